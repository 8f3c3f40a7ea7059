// The game when something around it is not as it should be: a leaders file that
// cannot be read, card sets that are gone or broken, and the windows' safety nets.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include "windows/AboutBox.h"
#include "BoardDriving.h"
#include "model/GameReady.h"
#include "GameSandbox.h"
#include "model/LeadsTable.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"
#include "SandboxedTest.h"

class FailurePathsTest : public SandboxedTest {
    Q_OBJECT
private slots:
    // The name entry once trapped the player here: every OK failed and nothing closed it.
    void leadersFileThatIsAFolderNeverTrapsThePlayer() {
        QVERIFY(QDir().mkdir(sandbox->LeadsFile()));
        MessageBoxRecorder reports;
        {
            QuorvixWindows windows(sandbox->ProgramFolder());
            TForm1& form = windows.form1;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QTRY_COMPARE(reports.texts.size(), 1);  // told once, at start-up
            QString shownName, shownPoints;
            WhenModal([&](QWidget* nameEntry) {
                QTest::keyClicks(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("Ann"));
                WhenModal([&](QWidget* leaders) {
                    shownName = leaders->findChild<QLabel*>(QStringLiteral("Label18"))->text();
                    shownPoints = leaders->findChild<QLabel*>(QStringLiteral("Label28"))->text();
                    QTest::keyClick(leaders, Qt::Key_Escape);
                }, QStringLiteral("Form3"));
                QTest::keyClick(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
            }, QStringLiteral("Form2"));
            PlayPerfectGame(form);
            QCOMPARE(reports.texts.size(), 2);  // and once that the result stays in memory
            QVERIFY2(reports.texts[1].startsWith(QStringLiteral("Your result could not be saved")), qPrintable(reports.texts[1]));
            QVERIFY2(reports.texts[1].contains(sandbox->LeadsFile() + QStringLiteral(": Is a directory")), qPrintable(reports.texts[1]));
            QCOMPARE(shownName, QStringLiteral("Ann"));  // the leaders window shows the kept result
            QCOMPARE(shownPoints, QStringLiteral("1800"));
            QVERIFY(GameReady);
            QApplication::setActiveWindow(&form);
            WhenModal([&](QWidget* leaders) {
                shownName = leaders->findChild<QLabel*>(QStringLiteral("Label18"))->text();
                leaders->close();
            });
            QTest::keyClick(&form, Qt::Key_F3);  // shown again, with no further message
            QCOMPARE(shownName, QStringLiteral("Ann"));
            QCOMPARE(reports.texts.size(), 2);
            QApplication::setActiveWindow(&form);
            QTest::keyClick(&form, Qt::Key_F10);
            QVERIFY(!form.isVisible());
        }
        QVERIFY(QFileInfo::exists(sandbox->SettingsFile()));
        QVERIFY(QFileInfo(sandbox->LeadsFile()).isDir());
    }

    void storedSetThatCannotBeDealtFallsBackOnce_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("told");
        QTest::newRow("removed") << QByteArray("gone") << "The card set \"gone\" cannot be played: no such folder.";
        QTest::newRow("without its back") << QByteArray("noback") << "The card set \"noback\" cannot be played: no back picture space.bmp.";
        QTest::newRow("without a face") << QByteArray("gaps") << "The card set \"gaps\" cannot be played: face 7.bmp missing.";
        QTest::newRow("a back that is no picture") << QByteArray("badback") << "The card set \"badback\" cannot be played: Cannot load the card picture";
        QTest::newRow("a back that is text") << QByteArray("textback") << "The card set \"textback\" cannot be played: space.bmp is not a picture.";
        QTest::newRow("a name leading outside gfx") << QByteArray("../../outside") << QString();
    }
    void storedSetThatCannotBeDealtFallsBackOnce() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, told);
        sandbox->AddCardSet(QStringLiteral("noback"), false);
        sandbox->AddCardSet(QStringLiteral("gaps"), true, 7);
        sandbox->AddCardSet(QStringLiteral("badback"));
        QFile back(sandbox->ProgramFolder() + QStringLiteral("gfx/badback/space.bmp"));
        QVERIFY(back.open(QIODevice::WriteOnly));
        back.write("BM, then not a picture");  // damaged past its header: found when dealt
        back.close();
        sandbox->AddCardSet(QStringLiteral("textback"));
        QFile text(sandbox->ProgramFolder() + QStringLiteral("gfx/textback/space.bmp"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
        text.close();
        sandbox->AddCardSet(QStringLiteral("../../outside"));  // a whole set, outside the card sets
        sandbox->WriteSettings("[General]\ncards=" + stored + "\n");
        MessageBoxRecorder reports;
        {
            QuorvixWindows windows(sandbox->ProgramFolder());
            QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Quorvix: animals"));
            QVERIFY(GameReady);
            QVERIFY(windows.form1.Settings().CardFolder.endsWith(QStringLiteral("/program/gfx/animals/")));
            Settle();
            QCOMPARE(reports.texts.size(), told.isEmpty() ? 0 : 1);
            if (!told.isEmpty()) QVERIFY2(reports.texts[0].startsWith(told), qPrintable(reports.texts[0]));
            windows.form1.close();
        }
        QSettings saved(sandbox->SettingsFile(), QSettings::IniFormat);
        QCOMPARE(saved.value(QStringLiteral("cards")).toString(), QStringLiteral("animals"));
    }

    void aboutShowsItsPictureAndEveryWindowHasTheIcon() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(!windows.form1.windowIcon().isNull());
        windows.form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.form1));
        QStringList texts, buttons;
        bool picture = false, readyWhileShown = true;
        WhenModal([&](QWidget* about) {
            readyWhileShown = GameReady;
            for (QLabel* label : about->findChildren<QLabel*>()) {
                if (!label->pixmap().isNull()) picture = true;
                if (!label->text().isEmpty()) texts << label->text();
            }
            for (QPushButton* button : about->findChildren<QPushButton*>()) buttons << button->text();
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        });
        windows.form1.findChild<QAction*>(QStringLiteral("About1"))->trigger();
        QVERIFY(picture);
        QVERIFY(texts.contains(QStringLiteral("Quorvix")));
        QVERIFY(texts.contains(QStringLiteral("Version 1.0")));
        QCOMPARE(buttons, (QStringList{"&Web page", "&Mail", "OK"}));
        QVERIFY(!readyWhileShown);
        QVERIFY(GameReady);
    }

    // Without a browser or a mail program, the buttons show the address instead.
    void aboutShowsTheAddressNoProgramOpens() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QList<QUrl> asked;
        bool opens = false;
        windows.about.SetUrlOpener([&](const QUrl& url) {
            asked << url;
            return opens;
        });
        QStringList notes;
        WhenModal([&](QWidget* about) {
            auto* note = about->findChild<QLabel*>(QStringLiteral("AddressNote"));
            const auto click = [&](const char* button) {
                for (QPushButton* b : about->findChildren<QPushButton*>())
                    if (b->text() == QLatin1String(button)) QTest::mouseClick(b, Qt::LeftButton);
                notes << (note->isVisible() ? note->text() : QStringLiteral("(hidden)"));
            };
            notes << (note->isVisible() ? note->text() : QStringLiteral("(hidden)"));
            click("&Web page");
            click("&Mail");
            opens = true;
            click("&Web page");
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        });
        GameReady = true;
        windows.form1.findChild<QAction*>(QStringLiteral("About1"))->trigger();
        QCOMPARE(notes, (QStringList{"(hidden)", "No program here opens it. The address:\nhttps://www.dravontek.com/quorvix",
                                     "No program here opens it. The address:\nquorvix@dravontek.com", "(hidden)"}));
        QCOMPARE(asked, (QList<QUrl>{QUrl(AboutBox::kWebPage), QUrl(AboutBox::kMail), QUrl(AboutBox::kWebPage)}));
    }

    // One stray Enter must not wipe the table.
    void clearQuestionAnswersNoToEnter() {
        LeadsTable table;
        InsertLead(table, QStringLiteral("Kim"), 900, sandbox->LeadsFile());
        QuorvixWindows windows(sandbox->ProgramFolder());
        QString name;
        WhenModal([&](QWidget* leaders) {
            WhenModal([](QWidget* question) {
                auto* box = qobject_cast<QMessageBox*>(question);
                QVERIFY(box);
                QCOMPARE(box->text(), QStringLiteral("Are you shure?"));
                QCOMPARE(box->windowTitle(), QStringLiteral("Quorvix"));
                QCOMPARE(box->icon(), QMessageBox::Question);
                QVERIFY(box->defaultButton() == box->button(QMessageBox::No));
                QTest::keyClick(box, Qt::Key_Return);
            });
            QTest::mouseClick(leaders->findChild<QPushButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
            name = leaders->findChild<QLabel*>(QStringLiteral("Label18"))->text();
            QTest::keyClick(leaders, Qt::Key_Escape);
        });
        windows.form3.exec();
        QCOMPARE(name, QStringLiteral("Kim"));
        LeadsTable onDisk;
        LoadLeads(onDisk, sandbox->LeadsFile());
        QCOMPARE(GetLeadEntry(onDisk, 1).name, QStringLiteral("Kim"));
    }

    // Run also at 200 % (QT_SCALE_FACTOR=2).
    void everyTenCharacterNameFitsTheLeadersWindow() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        auto* name = windows.form3.findChild<QLabel*>(QStringLiteral("Label18"));
        auto* points = windows.form3.findChild<QLabel*>(QStringLiteral("Label28"));
        QVERIFY(name->geometry().right() < points->geometry().left());
        QVERIFY(points->geometry().right() < windows.form3.width());
        for (int byte = 0x20; byte <= 0xFF; ++byte) {
            if (byte == 0x7F) continue;
            const QString text = DecodeCp1252(QByteArray(10, char(byte)));
            name->setText(text);
            QVERIFY2(name->sizeHint().width() <= name->width(),
                     qPrintable(QStringLiteral("\"%1\" needs %2 pixels of %3").arg(text).arg(name->sizeHint().width()).arg(name->width())));
        }
        points->setText(QStringLiteral("-2147483648"));
        QVERIFY(points->sizeHint().width() <= points->width());
    }

};

QUORVIX_WINDOW_TEST_MAIN(FailurePathsTest)

#include "FailurePathsTest.moc"
