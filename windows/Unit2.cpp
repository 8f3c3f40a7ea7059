#include "windows/Unit2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

#include "ui/ErrorReport.h"
#include "ui/FlatButton.h"
#include "ui/FormLook.h"
#include "model/GameReady.h"
#include "windows/Unit3.h"

TForm2::TForm2(LeadsBook& leads, TForm3& leadsWindow, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      leads_(leads), leadsWindow_(leadsWindow) {
    SetUpFixedDialog(this, QStringLiteral("Form2"), QStringLiteral("Enter your name"), QSize(250, 97));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 16, 233, 37);
    Edit1->setMaxLength(kMaxNameLength);
    Edit1->setFont(FormFont(24, true));
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { color: blue; border: 1px solid gray; }"));
    Edit1->setAccessibleName(QStringLiteral("Your name for the leaders table"));
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm2::SpeedButton1Click);

    SpeedButton1 = MakeFlatButton(QStringLiteral("OK"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(168, 64, 73, 25);
    SpeedButton1->setAccessibleName(QStringLiteral("OK"));
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm2::SpeedButton1Click);
}

void TForm2::Open(int32_t points) {
    points_ = points;
    exec();
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
    GameReady = false;
    Edit1->clear();
    Edit1->setFocus();
    NameEntryAllowedToClose = false;
}

// A result that cannot be saved is told once and kept in memory, and the window
// closes as usual: the leaders window then shows it for the rest of this run.
void TForm2::SpeedButton1Click() {
    NameEntryAllowedToClose = true;
    // Another game saving its result holds the file for a moment: the window keeps
    // painting meanwhile, under a busy cursor, and takes no input.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString problem = leads_.Insert(Edit1->text(), points_, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QApplication::restoreOverrideCursor();
    if (!problem.isEmpty()) ShowErrorReport(problem, this);
    GameReady = true;
    close();
}

void TForm2::closeEvent(QCloseEvent* event) {
    if (!NameEntryAllowedToClose) {
        event->ignore();
        return;
    }
    event->accept();
    // FormClose: the leaders window shows the new entry before this one finishes closing.
    leadsWindow_.exec();
    QDialog::done(Accepted);
}

void TForm2::reject() {}

void TForm2::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    GameReady = true;
}
