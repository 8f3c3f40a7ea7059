#include "windows/Unit3.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

#include "ui/ChosenPartsAccessible.h"
#include "ui/ErrorReport.h"
#include "ui/FlatButton.h"
#include "ui/FormLook.h"
#include "model/GameReady.h"

namespace {

QColor RowColour(int entry) {
    switch (entry) {
        case 1: return Qt::red;
        case 2: return QColor(0, 128, 0);
        case 3: return Qt::blue;
        default: return Qt::black;
    }
}

QLabel* MakeLabel(const QString& text, int x, int y, int width, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // names are shown as typed, never as markup
    label->setGeometry(x, y, width, 13);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

int TForm3::NameWidth(const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        if (byte != 0x7F) widest = std::max(widest, metrics.horizontalAdvance(DecodeCp1252(QByteArray(1, char(byte)))));
    return std::max(90, widest * kMaxNameLength + 2);
}

// The reference layout has names 90 pixels wide, points at x = 136 and a client area
// 202 pixels wide; names take what any ten characters need and the points column
// and the window move right by as much.
TForm3::TForm3(LeadsBook& leads, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint), leads_(leads) {
    const QFont font = FormFont(11);
    const int nameWidth = NameWidth(font);
    const int pointsX = 40 + nameWidth + 6;
    const int pointsWidth = std::max(60, QFontMetrics(font).horizontalAdvance(QStringLiteral("-2147483648")) + 2);
    const int width = std::max(202, pointsX + pointsWidth + 6);
    SetUpFixedDialog(this, QStringLiteral("Form3"), tr("Leads"), QSize(width, 235));
    UseChosenParts<TForm3, QAccessible::Dialog>();

    MakeLabel(tr("Name"), 40, 8, nameWidth, Qt::black, this)->setObjectName(QStringLiteral("Label7"));
    MakeLabel(tr("Points"), pointsX, 8, pointsWidth, Qt::black, this)->setObjectName(QStringLiteral("Label8"));
    for (int entry = 1; entry <= kLeadEntries; ++entry) {
        const int y = 32 + 16 * (entry - 1);
        MakeLabel(QString::number(entry), entry == 10 ? 12 : 16, y, 24, RowColour(entry), this)
            ->setObjectName(QStringLiteral("Rank%1").arg(entry));
        names_[size_t(entry - 1)] = MakeLabel(QString(), 40, y, nameWidth, RowColour(entry), this);
        names_[size_t(entry - 1)]->setObjectName(QStringLiteral("Label%1").arg(17 + entry));
        points_[size_t(entry - 1)] = MakeLabel(QString(), pointsX, y, pointsWidth, RowColour(entry), this);
        points_[size_t(entry - 1)]->setObjectName(QStringLiteral("Label%1").arg(27 + entry));
    }
    SpeedButton1 = MakeFlatButton(tr("Clear"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(8, 200, 73, 25);
    SpeedButton1->setAccessibleName(tr("Clear the leaders table"));
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm3::SpeedButton1Click);
    SpeedButton2 = MakeFlatButton(QStringLiteral("OK"), this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(width - 82, 200, 73, 25);
    SpeedButton2->setAccessibleName(QStringLiteral("OK"));
    connect(SpeedButton2, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
    FormShow();
}

void TForm3::FormShow() {
    GameReady = false;
    ReloadAndFill();
}

// Shows the file as it is now, with any result that could not be saved; a problem
// with the file is told once, not at every showing.
void TForm3::ReloadAndFill() {
    const QString problem = leads_.Load();
    FillLabels();
    if (!problem.isEmpty()) ShowErrorReport(problem, this);
}

void TForm3::FillLabels() {
    const LeadsTable table = leads_.Table();
    for (int entry = 1; entry <= kLeadEntries; ++entry) {
        const LeadEntry lead = GetLeadEntry(table, entry);
        names_[size_t(entry - 1)]->setText(lead.name);
        points_[size_t(entry - 1)]->setText(QString::number(lead.points));
        // Read out as one line a place: who, and with how many points.
        names_[size_t(entry - 1)]->setAccessibleName(tr("Place %1: %2, %3 points").arg(entry).arg(lead.name).arg(lead.points));
    }
}

QList<QWidget*> TForm3::AccessibleParts() const {
    QList<QWidget*> parts;
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || widget->objectName().startsWith(QLatin1String("Rank")) ||
            std::find(points_.begin(), points_.end(), widget) != points_.end())
            continue;
        parts << widget;
    }
    return parts;
}

void TForm3::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    GameReady = true;
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            accept();
            break;
        default:
            event->ignore();
    }
}

void TForm3::SpeedButton1Click() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorvix"), tr("Are you shure?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("ClearQuestion"));
    box.setDefaultButton(QMessageBox::No);  // a stray Enter must not wipe the table
    if (box.exec() == QMessageBox::Yes)
        if (const QString problem = leads_.Clear(); !problem.isEmpty()) ShowErrorReport(problem, this);
    ReloadAndFill();
}
