#include "windows/BoardWidget.h"

#include <QAccessible>
#include <QLabel>

#include <algorithm>

#include "windows/CardImage.h"
#include "ui/ChosenPartsAccessible.h"
#include "ui/SpokenNews.h"
#include "ui/FormLook.h"

namespace {

constexpr QColor kFrameGrey(160, 160, 164);
constexpr QColor kFrameHint(0, 0, 255);

QString Place(int cell) { return QCoreApplication::translate("BoardWidget", "row %1, column %2").arg((cell - 1) / 6 + 1).arg((cell - 1) % 6 + 1); }

}  // namespace

BoardWidget::BoardWidget(QWidget* parent) : QFrame(parent) {
    UseChosenParts<BoardWidget, QAccessible::Grouping>();
    setObjectName(QStringLiteral("Panel1"));
    setFixedSize(500, 505);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    SetBackgroundColour(this, Qt::white);
    setAccessibleName(tr("Board"));

    for (int cell = 1; cell <= kCells; ++cell) {
        const int row = (cell - 1) / 6, column = (cell - 1) % 6;
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("p%1").arg(cell));
        frame->setGeometry(32 + 72 * column, 24 + 72 * row, 70, 70);
        SetBackgroundColour(frame, kFrameGrey);
        auto* image = new CardImage(frame);
        image->setObjectName(QStringLiteral("Image%1").arg(cell));
        image->setGeometry(5, 5, 60, 60);
        image->setAccessibleName(Place(cell) + QCoreApplication::translate("BoardWidget", ", face down"));
        connect(image, &CardImage::clicked, this, [this, cell] {
            focusedCell_ = cell;
            emit cellChosen(cell);
        });
        connect(image, &CardImage::keyPressed, this, [this, cell](int key) { KeyPressed(cell, key); });
        frames_[size_t(cell - 1)] = frame;
        images_[size_t(cell - 1)] = image;
    }
    // Tab follows the cards row by row, as the arrow keys do.
    for (int cell = 1; cell < kCells; ++cell) setTabOrder(images_[size_t(cell - 1)], images_[size_t(cell)]);

    const QFont big = FormFont(24, true);
    pointsCaption_ = new QLabel(tr("Points"), this);
    pointsCaption_->setObjectName(QStringLiteral("Label1"));
    points_ = new QLabel(QStringLiteral("0"), this);
    points_->setObjectName(QStringLiteral("Label2"));
    for (QLabel* label : {pointsCaption_, points_}) {
        label->setFont(big);
        label->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
        label->setTextFormat(Qt::PlainText);
    }
    // "Points" ends just left of the readout whatever the font's width.
    pointsCaption_->setGeometry(158, 462, 160, 32);
    pointsCaption_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    points_->setGeometry(326, 462, 160, 32);
    points_->setAccessibleName(tr("Points: 0"));

    // In the strip above the cards, small, so that the board keeps its size and look.
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("Progress"));
    progress_->setGeometry(32, 4, 430, 18);
    progress_->setAlignment(Qt::AlignCenter);
    progress_->setFont(FormFont(11));
    progress_->setStyleSheet(QStringLiteral("color: #303080; background: transparent;"));
    progress_->setTextFormat(Qt::PlainText);
    SetProgress(0, 0, 50);

    gameOver_ = new QLabel(this);
    gameOver_->setObjectName(QStringLiteral("GameOver"));
    gameOver_->setGeometry(62, 180, 376, 104);
    gameOver_->setAlignment(Qt::AlignCenter);
    gameOver_->setWordWrap(true);
    gameOver_->setTextFormat(Qt::PlainText);
    gameOver_->setFont(FormFont(16, true));
    gameOver_->setStyleSheet(QStringLiteral(
        "QLabel { color: #0000c0; background: rgba(255, 255, 255, 235); border: 3px solid #0000ff; border-radius: 8px; }"));
    gameOver_->setAttribute(Qt::WA_TransparentForMouseEvents);  // the cards stay clickable
    gameOver_->hide();

    for (SpokenNews*& line : news_) line = new SpokenNews(this);
}

QList<QWidget*> BoardWidget::AccessibleParts() const {
    QList<QWidget*> parts;
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget == pointsCaption_) continue;
        const auto frame = std::find(frames_.begin(), frames_.end(), widget);
        parts << (frame != frames_.end() ? images_[size_t(frame - frames_.begin())] : widget);
    }
    return parts;
}

void BoardWidget::SetFrameColour(int cell, FrameColour colour) {
    SetBackgroundColour(frames_[size_t(cell - 1)], colour == FrameColour::Hint ? kFrameHint : kFrameGrey);
}

void BoardWidget::SetPoints(int32_t points) {
    points_->setText(QString::number(points));
    const QString name = tr("Points: %1").arg(points);
    if (points_->accessibleName() != name) points_->setAccessibleName(name);
}

void BoardWidget::SetCardState(int cell, const QString& known) {
    const QString name = Place(cell) + QStringLiteral(", ") + known;
    CardImage* image = images_[size_t(cell - 1)];
    if (image->accessibleName() != name) image->setAccessibleName(name);
}

void BoardWidget::SetProgress(int pairsFound, int turns, int hintsLeft) {
    const QString text = tr("Pairs found: %1 of 18    Turns: %2    Show! left: %3").arg(pairsFound).arg(turns).arg(hintsLeft);
    if (progress_->text() == text) return;  // asked after every card shown
    progress_->setText(text);  // also its name to screen readers, announced once
}

void BoardWidget::SetGameOver(const QString& text) {
    gameOver_->setText(text);
    gameOver_->setVisible(!text.isEmpty());
    if (!text.isEmpty()) {
        gameOver_->raise();
        Say(text);
    }
}

void BoardWidget::Say(const QString& news) {
    lastNews_ = (lastNews_ + 1) % news_.size();
    news_[lastNews_]->Say(news);
}

void BoardWidget::FocusCell(int cell) {
    focusedCell_ = std::clamp(cell, 1, kCells);
    images_[size_t(focusedCell_ - 1)]->setFocus(Qt::OtherFocusReason);
}

// Arrows move over the grid (stopping at its edges), Home and End go to the first and
// the last card, Space and Enter turn the card.
void BoardWidget::KeyPressed(int cell, int key) {
    const int row = (cell - 1) / 6, column = (cell - 1) % 6;
    switch (key) {
        case Qt::Key_Left: return FocusCell(column > 0 ? cell - 1 : cell);
        case Qt::Key_Right: return FocusCell(column < 5 ? cell + 1 : cell);
        case Qt::Key_Up: return FocusCell(row > 0 ? cell - 6 : cell);
        case Qt::Key_Down: return FocusCell(row < 5 ? cell + 6 : cell);
        case Qt::Key_Home: return FocusCell(1);
        case Qt::Key_End: return FocusCell(kCells);
        default:
            focusedCell_ = cell;
            emit cellChosen(cell);
    }
}
