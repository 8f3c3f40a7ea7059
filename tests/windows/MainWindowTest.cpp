// The game's windows, offscreen, driven with real mouse and key events.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "BoardDriving.h"
#include "model/GameReady.h"
#include "GameSandbox.h"
#include "model/LeadsFile.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"
#include "SandboxedTest.h"

namespace {

// Presses a key on the main window from the event loop, `delay` from now, even while
// the event thread is blocked: the key is queued like a real one.
std::thread KeyLater(TForm1& form, Qt::Key key, std::chrono::milliseconds delay) {
    return std::thread([&form, key, delay] {
        std::this_thread::sleep_for(delay);
        QMetaObject::invokeMethod(&form, [&form, key] { QTest::keyClick(&form, key); }, Qt::QueuedConnection);
    });
}

}  // namespace

class MainWindowTest : public SandboxedTest {
    Q_OBJECT
private slots:
    void startUpCaptionAndBoard() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Quorvix: animals"));
        QVERIFY(GameReady);
        QCOMPARE(PointsText(windows.form1), QStringLiteral("0"));
        QVERIFY(!ImageOf(windows.form1, 36)->pixmap().isNull());
        QCOMPARE(windows.form1.centralWidget()->size(), QSize(500, 505));
        QCOMPARE(windows.form1.findChild<QWidget*>(QStringLiteral("p8"))->geometry(), QRect(104, 96, 70, 70));
        QVERIFY(QFileInfo::exists(sandbox->LeadsFile()));
    }

    void captionFollowsTheStoredSet() {
        sandbox->AddCardSet(QStringLiteral("fruit"));
        sandbox->WriteSettings("[General]\ncards=fruit\ndelay=0\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Quorvix: fruit"));
        QCOMPARE(windows.form1.Settings().TurnDelay, 0);
    }

    void wholeGameToAQualifyingFinish() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString leadersName, leadersPoints;
        WhenModal([&](QWidget* nameEntry) {
            QCOMPARE(nameEntry->objectName(), QStringLiteral("Form2"));
            QVERIFY(!GameReady);
            auto* edit = nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            QTest::keyClicks(edit, QStringLiteral("<b>Alice</b>xyz"));  // the 11th character is refused
            QCOMPARE(edit->text(), QStringLiteral("<b>Alice</"));
            WhenModal([&](QWidget* leaders) {
                QCOMPARE(leaders->objectName(), QStringLiteral("Form3"));
                auto* name = leaders->findChild<QLabel*>(QStringLiteral("Label18"));
                QCOMPARE(name->textFormat(), Qt::PlainText);
                leadersName = name->text();
                leadersPoints = leaders->findChild<QLabel*>(QStringLiteral("Label28"))->text();
                QTest::keyClick(leaders, Qt::Key_Escape);
            });
            QTest::keyClick(edit, Qt::Key_Return);
        });
        PlayPerfectGame(form);
        QCOMPARE(leadersName, QStringLiteral("<b>Alice</"));
        QCOMPARE(leadersPoints, QStringLiteral("1800"));
        QCOMPARE(PointsText(form), QStringLiteral("1800"));
        QVERIFY(GameReady);
        LeadsTable onDisk;
        LoadLeads(onDisk, sandbox->LeadsFile());
        QCOMPARE(GetLeadEntry(onDisk, 1).name, QStringLiteral("<b>Alice</"));
        QCOMPARE(GetLeadEntry(onDisk, 1).points, 1800);
    }

    void keyDuringTheHintFlashIsDropped() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        std::thread f2 = KeyLater(form, Qt::Key_F2, std::chrono::milliseconds(200));
        QTest::keyClick(&form, Qt::Key_F4);  // the hint blocks for 600 ms
        f2.join();
        Settle();
        QCOMPARE(PointsText(form), QStringLiteral("-75"));  // F2 would have dealt afresh
        QCOMPARE(form.Board().HintsLeft(), 49);
    }

    void keyDuringTheMismatchWaitActsAfterIt() {
        sandbox->WriteSettings("[General]\ndelay=600\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Click(form, 1);
        std::thread f2 = KeyLater(form, Qt::Key_F2, std::chrono::milliseconds(200));
        Click(form, NonPartnerOf(form, 1));
        f2.join();
        QCOMPARE(PointsText(form), QStringLiteral("-10"));
        Settle();  // the queued F2 deals a new board
        QCOMPARE(PointsText(form), QStringLiteral("0"));
    }

    void commandsDoNothingWhileNotReady() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Click(form, 3);
        GameReady = false;
        QTest::keyClick(&form, Qt::Key_F2);
        QTest::keyClick(&form, Qt::Key_F3);
        QTest::keyClick(&form, Qt::Key_F4);
        QCOMPARE(form.Board().FirstCell(), 3);
        QCOMPARE(form.Board().HintsLeft(), 50);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        GameReady = true;
    }

    void nameEntryRefusesEscapeAndClose() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        bool stillOpen = false;
        WhenModal([&](QWidget* nameEntry) {
            QTest::keyClick(nameEntry, Qt::Key_Escape);
            nameEntry->close();
            stillOpen = nameEntry->isVisible();
            WhenModal([](QWidget* leaders) { QTest::keyClick(leaders, Qt::Key_Return); });
            QTest::mouseClick(nameEntry->findChild<QPushButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        });
        windows.form2.Open(250);
        QVERIFY(stillOpen);
        QVERIFY(!windows.form2.isVisible());
        QVERIFY(GameReady);
        LeadsTable onDisk;
        LoadLeads(onDisk, sandbox->LeadsFile());
        QCOMPARE(GetLeadEntry(onDisk, 1).name, QString());  // an empty name is accepted
        QCOMPARE(GetLeadEntry(onDisk, 1).points, 250);
    }

    void clearAnsweredNoThenYes() {
        LeadsTable table;
        InsertLead(table, QStringLiteral("Kim"), 900, sandbox->LeadsFile());
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto fileBytes = [this] {
            QFile file(sandbox->LeadsFile());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = fileBytes();
        QByteArray afterNo;
        QStringList seen;
        WhenModal([&](QWidget* leaders) {
            auto name = [leaders] { return leaders->findChild<QLabel*>(QStringLiteral("Label18"))->text(); };
            seen << name();
            auto* clear = leaders->findChild<QPushButton*>(QStringLiteral("SpeedButton1"));
            WhenModal([](QWidget* question) {
                auto* box = qobject_cast<QMessageBox*>(question);
                QVERIFY(box);
                QCOMPARE(box->text(), QStringLiteral("Are you shure?"));
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            });
            QTest::mouseClick(clear, Qt::LeftButton);
            seen << name();
            afterNo = fileBytes();
            WhenModal([](QWidget* question) {
                QTest::mouseClick(qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes), Qt::LeftButton);
            });
            QTest::mouseClick(clear, Qt::LeftButton);
            seen << name() << leaders->findChild<QLabel*>(QStringLiteral("Label28"))->text();
            QTest::keyClick(leaders, Qt::Key_Escape);
        });
        QTest::keyClick(&form, Qt::Key_F3);
        QCOMPARE(seen, (QStringList{"Kim", "Kim", "none", "0"}));
        QCOMPARE(afterNo, before);
        QVERIFY(GameReady);
    }

    void unloadableFaceShowsAStandInAndIsReportedOnce() {
        sandbox->AddCardSet(QStringLiteral("broken"), true, 0, 7);
        sandbox->WriteSettings("[General]\ncards=broken\ndelay=0\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        int seven = 0;
        for (int cell = 1; cell <= 36 && !seven; ++cell)
            if (form.Board().CardValue(cell) == 7) seven = cell;
        const QImage back = ImageOf(form, seven)->pixmap().toImage();
        MessageBoxRecorder reports;
        Click(form, seven);
        QTRY_COMPARE(reports.texts.size(), 1);
        QVERIFY2(reports.texts[0].contains(QStringLiteral("gfx/broken/7.bmp")), qPrintable(reports.texts[0]));
        QVERIFY(GameReady);
        // What the player sees matches the game: a face, not the back.
        QVERIFY(!ImageOf(form, seven)->pixmap().isNull());
        QVERIFY(ImageOf(form, seven)->pixmap().toImage() != back);
        Click(form, PartnerOf(form, seven));
        QCOMPARE(PointsText(form), QStringLiteral("100"));
        QVERIFY(ImageOf(form, PartnerOf(form, seven))->pixmap().toImage() != back);
        Settle();
        QCOMPARE(reports.texts.size(), 1);  // once per picture, not at every turn
    }

    void unreadableLeadersFileDoesNotStopStartUp() {
        QDir().mkdir(sandbox->LeadsFile());  // a folder where the file should be
        MessageBoxRecorder reports;
        QuorvixWindows windows(sandbox->ProgramFolder());
        QTRY_COMPARE(reports.texts.size(), 1);
        QVERIFY(reports.texts[0].contains(sandbox->LeadsFile()));
        QVERIFY(GameReady);
        QCOMPARE(GetLeadEntry(windows.form1.Leads().Table(), 1).name, QStringLiteral("none"));
        QVERIFY(QFileInfo(sandbox->LeadsFile()).isDir());
    }

    void closingSavesTheSettings() {
        {
            QuorvixWindows windows(sandbox->ProgramFolder());
            windows.form1.show();
            windows.form1.Settings().TurnDelay = 1500;
            QVERIFY(QTest::qWaitForWindowActive(&windows.form1));
            QTest::keyClick(&windows.form1, Qt::Key_F10);
            QVERIFY(!windows.form1.isVisible());
        }
        QSettings stored(sandbox->SettingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("delay")).toInt(), 1500);
        QCOMPARE(stored.value(QStringLiteral("cards")).toString(), QStringLiteral("animals"));
        QCOMPARE(stored.value(QStringLiteral("path")).toString(), sandbox->ProgramFolder());
    }

    void noSetThatCanBeDealtStopsTheProgramWithoutSaving() {
        sandbox->AddCardSet(QStringLiteral("noback"), false);
        QFile::remove(sandbox->ProgramFolder() + QStringLiteral("gfx/animals/space.bmp"));
        sandbox->WriteSettings("[General]\ncards=noback\n");
        const pid_t child = fork();
        if (child == 0) {
            WhenModal([](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                const bool right = message && message->text() == QStringLiteral("Please reinstall Quorvix") &&
                                   message->windowTitle() == QStringLiteral("Quorvix: Error!");
                if (!right) ::_exit(3);
                box->close();
            });
            QuorvixWindows windows(sandbox->ProgramFolder());
            ::_exit(4);  // not reached: the stop ends the process
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QSettings stored(sandbox->SettingsFile(), QSettings::IniFormat);
        QVERIFY(!stored.contains(QStringLiteral("path")));  // nothing was saved
    }

};

QUORVIX_WINDOW_TEST_MAIN(MainWindowTest)

#include "MainWindowTest.moc"
