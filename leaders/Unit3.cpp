#include "Unit3.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "ErrorReport.h"
#include "FormLook.h"
#include "GameReady.h"
#include "LeadsFile.h"

namespace {

QColor RowColour(int entry) {
    switch (entry) {
        case 1: return Qt::red;
        case 2: return QColor(0, 128, 0);
        case 3: return Qt::blue;
        default: return Qt::black;
    }
}

QLabel* MakeLabel(const QString& text, int x, int y, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // names are shown as typed, never as markup
    label->setGeometry(x, y, 90, 13);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

QPushButton* MakeFlatButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    QFont font = FormFont(11, true);
    font.setUnderline(true);
    button->setFont(font);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

TForm3::TForm3(LeadsTable& leads, QString leadsPath, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint), leads_(leads),
      leadsPath_(std::move(leadsPath)) {
    SetUpFixedDialog(this, QStringLiteral("Form3"), QStringLiteral("Leads"), QSize(202, 235));

    MakeLabel(QStringLiteral("Name"), 40, 8, Qt::black, this)->setObjectName(QStringLiteral("Label7"));
    MakeLabel(QStringLiteral("Points"), 136, 8, Qt::black, this)->setObjectName(QStringLiteral("Label8"));
    for (int entry = 1; entry <= kLeadEntries; ++entry) {
        const int y = 32 + 16 * (entry - 1);
        MakeLabel(QString::number(entry), entry == 10 ? 12 : 16, y, RowColour(entry), this)
            ->setObjectName(QStringLiteral("Rank%1").arg(entry));
        names_[size_t(entry - 1)] = MakeLabel(QString(), 40, y, RowColour(entry), this);
        names_[size_t(entry - 1)]->setObjectName(QStringLiteral("Label%1").arg(17 + entry));
        points_[size_t(entry - 1)] = MakeLabel(QString(), 136, y, RowColour(entry), this);
        points_[size_t(entry - 1)]->setObjectName(QStringLiteral("Label%1").arg(27 + entry));
    }
    SpeedButton1 = MakeFlatButton(QStringLiteral("Clear"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(8, 200, 73, 25);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm3::SpeedButton1Click);
    SpeedButton2 = MakeFlatButton(QStringLiteral("OK"), this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(120, 200, 73, 25);
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

// Shows the file as it is now; a file that cannot be read shows the default table.
void TForm3::ReloadAndFill() {
    try {
        LoadLeads(leads_, leadsPath_);
    } catch (const LeadsError& error) {
        FillLabels();
        ShowErrorReport(QString::fromStdString(error.what()), this);
        return;
    }
    FillLabels();
}

void TForm3::FillLabels() {
    for (int entry = 1; entry <= kLeadEntries; ++entry) {
        const LeadEntry lead = GetLeadEntry(leads_, entry);
        names_[size_t(entry - 1)]->setText(lead.name);
        points_[size_t(entry - 1)]->setText(QString::number(lead.points));
    }
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
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorvix"), QStringLiteral("Are you shure?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("ClearQuestion"));
    if (box.exec() == QMessageBox::Yes) {
        try {
            ClearLeads(leads_, leadsPath_);
        } catch (const LeadsError& error) {
            ShowErrorReport(QString::fromStdString(error.what()), this);
        }
    }
    ReloadAndFill();
}
