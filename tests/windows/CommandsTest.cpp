// The main window's commands: their captions and keys, which of them GameReady
// holds back, and the secondary windows holding it false while they are up.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "BoardDriving.h"
#include "model/GameReady.h"
#include "GameSandbox.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"
#include "SandboxedTest.h"

class CommandsTest : public SandboxedTest {
    Q_OBJECT
private slots:
    void menuCaptionsAndKeys() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QStringList menu;
        for (QAction* top : windows.form1.menuBar()->actions()) {
            menu << top->text();
            if (!top->menu()) continue;
            for (QAction* item : top->menu()->actions())
                menu << (item->isSeparator() ? QStringLiteral("-")
                                             : QStringLiteral("  %1 %2").arg(item->text(), item->shortcut().toString()).trimmed());
        }
        QCOMPARE(menu, (QStringList{"&Game", "&New F2", "&Leads F3", "-", "&Show! F4", "S&ound", "-", "E&xit F10", "&Options",
                                    "&Help", "&How to play F1", "&About"}));
    }

    void hintFramesAreBlueAndReturnToGrey() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QWidget* frame = windows.form1.findChild<QWidget*>(QStringLiteral("p7"));
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(160, 160, 164));
        windows.form1.SetFrameColour(7, FrameColour::Hint);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(frame->grab().toImage().pixelColor(1, 1), QColor(0, 0, 255));
        windows.form1.SetFrameColour(7, FrameColour::Normal);
        QCOMPARE(frame->palette().color(QPalette::Window), QColor(160, 160, 164));
    }

    void commandsHeldBackWhileNotReady_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("New") << "new1";
        QTest::newRow("Leads") << "Leads1";
        QTest::newRow("Show!") << "Showmeplease1";
        QTest::newRow("Options") << "Options1";
        QTest::newRow("About") << "About1";
    }
    void commandsHeldBackWhileNotReady() {
        QFETCH(QString, action);
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.Board().TurnCard(3);
        GameReady = false;
        windows.form1.findChild<QAction*>(action)->trigger();  // a window opened here would stay open: the watchdog fails it
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(windows.form1.Board().FirstCell(), 3);
        QCOMPARE(windows.form1.Board().HintsLeft(), 50);
        GameReady = true;
    }

    void exitActsWhateverGameReady() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.show();
        QVERIFY(QTest::qWaitForWindowActive(&windows.form1));
        GameReady = false;
        QTest::keyClick(&windows.form1, Qt::Key_F10);
        QVERIFY(!windows.form1.isVisible());
        QVERIFY(QFileInfo::exists(sandbox->SettingsFile()));
    }

    void secondaryWindowsHoldGameReadyFalse_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("command");  // none: the name entry, which a finished game opens
        QTest::newRow("leaders") << "Form3" << "Leads1";
        QTest::newRow("options") << "Form4" << "Options1";
        QTest::newRow("about") << "AboutBox" << "About1";
        QTest::newRow("help") << "HelpBox" << "Help1";
        QTest::newRow("name entry") << "Form2" << "";
    }
    void secondaryWindowsHoldGameReadyFalse() {
        QFETCH(QString, window);
        QFETCH(QString, command);
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.form1));
        windows.form1.Board().TurnCard(3);
        bool readyWhileShown = true;
        int firstCellAfterF2 = 0;
        WhenModal([&](QWidget* shown) {
            readyWhileShown = GameReady;
            QTest::keyClick(&windows.form1, Qt::Key_F2);  // reaches the main window: must do nothing
            firstCellAfterF2 = windows.form1.Board().FirstCell();
            if (command.isEmpty()) {
                WhenModal([](QWidget* leaders) { leaders->close(); }, QStringLiteral("Form3"));
                QTest::keyClick(shown->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
            } else {
                shown->close();
            }
        }, window);
        if (command.isEmpty())
            windows.form2.Open(100);
        else
            windows.form1.findChild<QAction*>(command)->trigger();
        QVERIFY(!readyWhileShown);
        QCOMPARE(firstCellAfterF2, 3);
        QVERIFY(GameReady);
    }

};

QUORVIX_WINDOW_TEST_MAIN(CommandsTest)

#include "CommandsTest.moc"
