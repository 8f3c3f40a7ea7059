// The options window, offscreen, with real events.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QtTest>

#include <tuple>

#include <sys/stat.h>

#include "model/CardSets.h"
#include "model/GameReady.h"
#include "GameSandbox.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"
#include "SandboxedTest.h"
#include "widgets/ValueSlider.h"

namespace {

QString LabelText(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

}  // namespace

class OptionsWindowTest : public SandboxedTest {
    Q_OBJECT
private slots:
    void openingFollowsTheStoredDelay_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("interval");
        QTest::newRow("500: the slider moves and the preview follows") << QByteArray("delay=500") << "0.5 sec" << 500;
        QTest::newRow("100: as created, the preview keeps 500 ms") << QByteArray("delay=100") << "0.1 sec" << 500;
        QTest::newRow("1250") << QByteArray("delay=1250") << "1.25 sec" << 1250;
    }
    void openingFollowsTheStoredDelay() {
        QFETCH(QByteArray, settings);
        sandbox->WriteSettings("[General]\n" + settings + "\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        int interval = -1;
        QString text;
        bool active = false;
        WhenModal([&](QWidget* options) {
            text = LabelText(options, "Label3");
            auto* timer = options->findChild<QTimer*>(QStringLiteral("Timer1"));
            interval = timer->interval();
            active = timer->isActive();
            options->close();
        });
        windows.form4.exec();
        QTEST(text, "text");
        QTEST(interval, "interval");
        QVERIFY(active);
        QVERIFY(!windows.form4.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    void sliderToZeroStopsThePreviewAndFiftyRestartsIt() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QStringList texts;
        QList<bool> running;
        WhenModal([&](QWidget* options) {
            auto* slider = options->findChild<TValueSlider*>(QStringLiteral("ValueSlider1"));
            auto* timer = options->findChild<QTimer*>(QStringLiteral("Timer1"));
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_Home);
            texts << LabelText(options, "Label3");
            running << timer->isActive();
            QTest::keyClick(slider, Qt::Key_Right);
            texts << LabelText(options, "Label3");
            running << (timer->isActive() && timer->interval() == 50);
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(texts, (QStringList{"0 sec", "0.05 sec"}));
        QCOMPARE(running, (QList<bool>{false, true}));
        QCOMPARE(windows.form1.Settings().TurnDelay, 50);
    }

    void closingWithoutAChangeDealsNothing() {
        sandbox->WriteSettings("[General]\ndelay=700\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.Board().TurnCard(5);
        WhenModal([](QWidget* options) { options->close(); });
        windows.form1.findChild<QAction*>(QStringLiteral("Options1"))->trigger();
        QCOMPARE(windows.form1.Board().FirstCell(), 5);
        QVERIFY(GameReady);
    }

    void changingOnlyTheDelayDeals() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.Board().TurnCard(5);
        WhenModal([](QWidget* options) {
            QTest::keyClick(options->findChild<TValueSlider*>(QStringLiteral("ValueSlider1")), Qt::Key_End);
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(windows.form1.Board().FirstCell(), 0);
        QCOMPARE(windows.form1.Settings().TurnDelay, 2000);
        QVERIFY(GameReady);
    }

    void choosingAnotherSetRenamesAndRestartsThePreview() {
        sandbox->AddCardSet(QStringLiteral("fruit"));
        sandbox->WriteSettings("[General]\ndelay=50\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        QString caption;
        int frameAfterChoice = -1;
        WhenModal([&](QWidget* options) {
            auto* form4 = static_cast<TForm4*>(options);
            QTRY_VERIFY(form4->PreviewFrame() > 2);  // the preview runs
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            QCOMPARE(combo->currentText(), QStringLiteral("animals"));
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);  // the next set: fruit
            caption = windows.form1.windowTitle();
            frameAfterChoice = form4->PreviewFrame();
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(caption, QStringLiteral("Quorvix: fruit"));
        QCOMPARE(frameAfterChoice, 0);
        QVERIFY(windows.form1.Settings().CardFolder.endsWith(QStringLiteral("gfx/fruit/")));
    }

    void previewStopsBeforeAFaceThatCannotBeRead() {
        sandbox->AddCardSet(QStringLiteral("gaps"), true, 0, 7);
        sandbox->WriteSettings("[General]\ncards=gaps\ndelay=50\n");
        QuorvixWindows windows(sandbox->ProgramFolder());
        QString caption;
        int frame = -1;
        WhenModal([&](QWidget* options) {
            auto* form4 = static_cast<TForm4*>(options);
            QTRY_COMPARE(LabelText(options, "Panel1Caption"), QStringLiteral("ERROR"));
            QTest::qWait(200);  // it keeps trying face 7
            frame = form4->PreviewFrame();
            caption = LabelText(options, "Panel1Caption");
            QVERIFY(!options->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());  // face 6 stays
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(frame, 7);
        QCOMPARE(caption, QStringLiteral("ERROR"));
    }

    void onlyVisibleFoldersAreSetsAndCaseMatters() {
        sandbox->AddCardSet(QStringLiteral(".hidden"));
        sandbox->AddCardSet(QStringLiteral("Animals2"));
        QFile plain(sandbox->ProgramFolder() + QStringLiteral("gfx/notes.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.Settings().CardSetName = QStringLiteral("ANIMALS");
        QStringList items;
        int selected = 0;
        WhenModal([&](QWidget* options) {
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
            selected = combo->currentIndex();
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(items, (QStringList{"animals", "Animals2"}));
        QCOMPARE(selected, -1);  // "ANIMALS" differs from "animals" in case
        QCOMPARE(windows.form1.Settings().CardSetName, QString());
    }

    void setsAreFoundFromAnyFolderAndFarDownTheList() {
        for (int i = 0; i < 300; ++i) QDir().mkpath(sandbox->ProgramFolder() + QStringLiteral("gfx/set%1").arg(i, 3, 10, QLatin1Char('0')));
        sandbox->AddCardSet(QStringLiteral("zebra"));
        sandbox->WriteSettings("[General]\ncards=zebra\n");
        // The working folder is not the program's folder (GameSandbox starts elsewhere).
        QVERIFY(QDir::currentPath() + QLatin1Char('/') != sandbox->ProgramFolder());
        QuorvixWindows windows(sandbox->ProgramFolder());
        QString chosen;
        WhenModal([&](QWidget* options) {
            chosen = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
            QTest::keyClick(options->findChild<TValueSlider*>(QStringLiteral("ValueSlider1")), Qt::Key_Right);
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(chosen, QStringLiteral("zebra"));  // entry 302 of the list
        QCOMPARE(windows.form1.Settings().CardSetName, QStringLiteral("zebra"));
        QVERIFY(GameReady);  // the new deal found its pictures
    }

    void unusableSetsAreListedGreyWithTheReason() {
        sandbox->AddCardSet(QStringLiteral("noback"), false);
        sandbox->AddCardSet(QStringLiteral("gaps"), true, 7);
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.Board().TurnCard(5);
        QStringList items;
        QList<bool> enabled;
        QStringList spoken;
        WhenModal([&](QWidget* options) {
            std::tie(items, enabled) = ListedCardSets(options);
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            // Qt 6.4 gives assistive technology no disabled state for an item: its name says it.
            for (int i = 0; i < combo->count(); ++i) spoken << combo->itemData(i, Qt::AccessibleTextRole).toString();
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);  // nothing below "animals" can be chosen
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(items, (QStringList{"animals", "gaps (unusable: face 7.bmp missing)",
                                     "noback (unusable: no back picture space.bmp)"}));
        QCOMPARE(enabled, (QList<bool>{true, false, false}));
        QCOMPARE(spoken, (QStringList{"", "gaps, unavailable: face 7.bmp missing",
                                      "noback, unavailable: no back picture space.bmp"}));
        QCOMPARE(windows.form1.Settings().CardSetName, QStringLiteral("animals"));
        QCOMPARE(windows.form1.Board().FirstCell(), 5);  // no change, no new deal
    }

    // Return confirms wherever the keyboard is, and presses a button it is on; Tab
    // reaches both buttons after the list and the slider.
    void returnConfirmsFromTheKeyboard_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("on the list") << "ComboBox1" << 0 << "SpeedButton1";
        QTest::newRow("on the slider") << "ValueSlider1" << 1 << "SpeedButton1";
        QTest::newRow("on OK") << "SpeedButton1" << 3 << "SpeedButton1";
        QTest::newRow("on Make a set") << "MakeSetButton" << 2 << "MakeSetButton";
    }
    void returnConfirmsFromTheKeyboard() {
        QFETCH(QString, focused);
        QFETCH(int, tabs);
        QuorvixWindows windows(sandbox->ProgramFolder());
        QString reached, pressed;
        windows.form4.SetNewSetAsker([&](QWidget*) {
            pressed = QStringLiteral("MakeSetButton");
            return std::nullopt;
        });
        connect(windows.form4.findChild<QPushButton*>(QStringLiteral("SpeedButton1")), &QPushButton::clicked, this,
                [&] { pressed = QStringLiteral("SpeedButton1"); });
        WhenModal([&](QWidget* options) {
            options->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setFocus();
            // The window's own focus: it may not be the active window yet on a loaded machine.
            for (int i = 0; i < tabs; ++i) QTest::keyClick(options->focusWidget(), Qt::Key_Tab);
            reached = options->focusWidget()->objectName();
            QTest::keyClick(options->focusWidget(), Qt::Key_Return);
            if (options->isVisible()) options->close();
        });
        windows.form4.exec();
        QCOMPARE(reached, focused);
        QTEST(pressed, "pressed");
    }

    // On Linux Qt names a combo box by its current text: its buddy label, which the
    // list covers, gives it a name to a screen reader and says the set chosen.
    void theListIsLabelledWithTheSetChosen() {
        sandbox->AddCardSet(QStringLiteral("fruit"));
        QuorvixWindows windows(sandbox->ProgramFolder());
        QStringList labels;
        WhenModal([&](QWidget* options) {
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            const auto label = [combo] {
                QAccessibleInterface* list = QAccessible::queryAccessibleInterface(combo);
                const auto related = list->relations(QAccessible::Label);
                for (const auto& [other, relation] : related)
                    if (qobject_cast<QLabel*>(other->object())) return other->text(QAccessible::Name);
                return QString();
            };
            labels << label();
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
            labels << label();
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(labels, (QStringList{"Card set: animals", "Card set: fruit"}));
    }

    // The delay slider keeps its pointing-hand cursor when the mouse moves over it.
    void sliderKeepsItsCursorOffTheThumb() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QList<int> shapes;
        WhenModal([&](QWidget* options) {
            auto* slider = options->findChild<TValueSlider*>(QStringLiteral("ValueSlider1"));
            for (QPoint at : {slider->ThumbRect().center(), QPoint(250, 5), QPoint(5, 5)}) {
                QMouseEvent move(QEvent::MouseMove, QPointF(at), slider->mapToGlobal(QPointF(at)), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(slider, &move);
                shapes << int(slider->cursor().shape());
            }
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(shapes, (QList<int>{int(Qt::BitmapCursor), int(Qt::PointingHandCursor), int(Qt::PointingHandCursor)}));
    }

    void choosingTheSetInUseKeepsTheGame() {
        sandbox->AddCardSet(QStringLiteral("fruit"));
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.Board().TurnCard(5);
        WhenModal([&](QWidget* options) {
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            emit combo->activated(combo->currentIndex());  // the player picks "animals" again
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(windows.form1.Board().FirstCell(), 5);
        QVERIFY(GameReady);
    }

    // "Make a set..." makes a set of the player's own pictures, chooses it and deals it;
    // pictures that cannot make a set are told, and nothing changes.
    void aSetMadeInTheWindowIsChosenAndDealt_data() {
        QTest::addColumn<QString>("spoilt");
        QTest::newRow("19 pictures") << QString();
        QTest::newRow("two faces alike") << "alike";
        QTest::newRow("a pipe among the pictures") << "pipe";  // chosen in the file dialog, it never hangs the window
    }
    void aSetMadeInTheWindowIsChosenAndDealt() {
        QFETCH(QString, spoilt);
        const bool twoAlike = !spoilt.isEmpty();
        QTemporaryDir pictures;
        NewSetChoice choice{pictures.filePath(QStringLiteral("back.png")), {}, QStringLiteral("holiday")};
        for (int i = 0; i <= 18; ++i) {
            QImage picture(90, 60, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(i * 19, 200, 200));
            const QString path = i == 0 ? choice.back : pictures.filePath(QStringLiteral("face_%1.png").arg(i));
            QVERIFY(picture.save(path));
            if (i > 0) choice.faces << path;
        }
        if (spoilt == QStringLiteral("alike")) choice.faces[17] = choice.faces[3];
        const QString pipe = pictures.filePath(QStringLiteral("pipe.png"));
        if (spoilt == QStringLiteral("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
            choice.faces[9] = pipe;
        }
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form4.SetNewSetAsker([&](QWidget*) { return choice; });
        QString chosen, report;
        WhenModal([&](QWidget* options) {
            if (twoAlike)
                WhenModal(
                    [&](QWidget* box) {
                        report = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                        QTest::keyClick(box, Qt::Key_Return);
                    },
                    QStringLiteral("ErrorReport"));
            QTest::mouseClick(options->findChild<QPushButton*>(QStringLiteral("MakeSetButton")), Qt::LeftButton);
            chosen = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
            options->close();
        });
        windows.form4.exec();
        if (twoAlike) {
            QCOMPARE(report, spoilt == QStringLiteral("pipe")
                                 ? QStringLiteral("The set was not made.\n%1: not a regular file").arg(pipe)
                                 : QStringLiteral("The set was not made.\n%1 and %1 are the same picture: two faces alike make a "
                                                  "set that cannot be won without losing points")
                                       .arg(choice.faces[3]));
            QCOMPARE(chosen, QStringLiteral("animals"));
            QVERIFY(!QFileInfo::exists(sandbox->UserSetsFolder() + QStringLiteral("holiday")));
            QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Quorvix: animals"));
            return;
        }
        QCOMPARE(report, QString());
        QCOMPARE(chosen, QStringLiteral("holiday (yours)"));
        QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Quorvix: holiday"));
        QCOMPARE(windows.form1.Settings().CardFolder, sandbox->UserSetsFolder() + QStringLiteral("holiday/"));
        QCOMPARE(CardSetProblem(windows.form1.Settings().CardFolder), QString());
        QVERIFY(GameReady);  // dealt again
    }

};

QUORVIX_WINDOW_TEST_MAIN(OptionsWindowTest)

#include "OptionsWindowTest.moc"
