#include "windows/Unit2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "ui/ErrorReport.h"
#include "ui/FlatButton.h"
#include "ui/FormLook.h"
#include "model/GameReady.h"
#include "model/LeadsTable.h"
#include "windows/NameValidator.h"
#include "windows/Unit3.h"

TForm2::TForm2(LeadsBook& leads, TForm3& leadsWindow, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      leads_(leads), leadsWindow_(leadsWindow) {
    SetUpFixedDialog(this, QStringLiteral("Form2"), tr("Enter your name"), QSize(250, 97));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 16, 233, 37);
    Edit1->setMaxLength(kMaxNameLength);
    Edit1->setFont(FormFont(24, true));
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { color: blue; border: 1px solid gray; }"));
    Edit1->setAccessibleName(tr("Your name for the leaders table"));
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm2::SpeedButton1Click);

    // Why a key typed nothing: the table holds only the Windows-1252 characters.
    RefusedNote = new QLabel(this);
    RefusedNote->setObjectName(QStringLiteral("RefusedNote"));
    RefusedNote->setGeometry(8, 64, 156, 25);
    RefusedNote->setFont(FormFont(11));
    RefusedNote->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    Edit1->setValidator(new NameValidator([this](const QString& refused) { ShowRefused(refused); }, Edit1));
    Edit1->installEventFilter(this);

    SpeedButton1 = MakeFlatButton(QStringLiteral("OK"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(168, 64, 73, 25);
    SpeedButton1->setAccessibleName(QStringLiteral("OK"));
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm2::SpeedButton1Click);
}

// Says which characters the table cannot hold; a pasted text may refuse many, and
// three fit the window.
void TForm2::ShowRefused(const QString& refused) {
    const QList<uint> characters = refused.toUcs4();
    QString shown;
    for (qsizetype i = 0; i < std::min<qsizetype>(characters.size(), 3); ++i) {
        const auto c = char32_t(characters[i]);
        // A control character is shown by its picture ("␊"), or its code where it has
        // none: shown itself, it would break the line.
        if (c < 0x20 || c == 0x7f)
            shown += QChar(c == 0x7f ? 0x2421 : 0x2400 + c);
        else if (QChar::category(c) == QChar::Other_Control)
            shown += QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += QString::fromUcs4(&c, 1);
    }
    if (characters.size() > 3) shown += QStringLiteral("\u2026");
    RefusedNote->setText(tr("\u201c%1\u201d cannot be stored").arg(shown));
}

// A key that types a character the table holds clears the note; one it cannot hold
// types nothing and is told.
bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            QString refused;
            StorableName(text, &refused);
            if (!refused.isEmpty()) {
                ShowRefused(refused);
                return true;
            }
            RefusedNote->clear();
        }
    }
    return QDialog::eventFilter(watched, event);
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
    RefusedNote->clear();
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
