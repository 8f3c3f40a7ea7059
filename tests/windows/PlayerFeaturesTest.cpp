// What players expect beyond the rules: the board played with keys alone, cards and
// windows named for screen readers, a word at the end of every game, and card sets of
// the player's own.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <tuple>

#include "BoardDriving.h"
#include "windows/CardImage.h"
#include "model/GameReady.h"
#include "GameSandbox.h"
#include "model/LeadsFile.h"
#include "app/QuorvixApplication.h"
#include "app/QuorvixWindows.h"
#include "SandboxedTest.h"
#include "widgets/ValueSlider.h"

#ifndef CARDGEN_PROGRAM
#error "CARDGEN_PROGRAM names the card set tool"
#endif

namespace {

// The sounds the game asks for, in order.
class HeardSounds : public SoundPlayer {
public:
    explicit HeardSounds(QStringList& heard) : heard_(heard) {}
    void Play(GameSound sound) override {
        static const char* const kNames[] = {"turn", "pair", "miss", "show", "end"};
        heard_ << QString::fromLatin1(kNames[int(sound)]);
    }

private:
    QStringList& heard_;
};

// Keys that type any character, as a keyboard layout does (QTest types ASCII only).
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Every accessibility event while it lives. Qt sends them only while a screen reader
// has switched accessibility on, which no one does on the offscreen platform: the test
// switches it on as a screen reader's bridge would.
class AccessibilityEvents {
public:
    AccessibilityEvents() {
        Platform()->setActive(true);
        Current() = this;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (!Current()) return;
            Current()->events.push_back({event->object(), event->type()});
            // What a reader learns, in order: news as it shows, and the cards' new names.
            QAccessibleInterface* accessible = event->accessibleInterface();
            if (!accessible) return;
            if (event->type() == QAccessible::ObjectShow && accessible->role() == QAccessible::Notification)
                Current()->timeline << QStringLiteral("news: ") + accessible->text(QAccessible::Name);
            if (event->type() == QAccessible::NameChanged && qobject_cast<CardImage*>(event->object()))
                Current()->timeline << QStringLiteral("card: ") + accessible->text(QAccessible::Name);
        });
    }
    ~AccessibilityEvents() {
        QAccessible::installUpdateHandler(nullptr);
        Current() = nullptr;
        Platform()->setActive(false);
    }
    bool Saw(QObject* object, QAccessible::Event type) const {
        return std::any_of(events.begin(), events.end(), [&](const auto& e) { return e.first == object && e.second == type; });
    }
    std::vector<std::pair<QObject*, QAccessible::Event>> events;
    QStringList timeline;

private:
    static QPlatformAccessibility* Platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
    static AccessibilityEvents*& Current() {
        static AccessibilityEvents* current = nullptr;
        return current;
    }
};

QString NameOf(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Presses a key where the keyboard is: on the main window's focused widget.
void Key(TForm1& form, Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : &form, key);
}

int FocusedCell(TForm1& form) {
    for (int cell = 1; cell <= 36; ++cell)
        if (ImageOf(form, cell)->hasFocus()) return cell;
    return 0;
}

// Moves the keyboard focus to `cell` with the arrow keys, from wherever it is.
void ArrowTo(TForm1& form, int cell) {
    int at = FocusedCell(form);
    while (at != cell && at != 0) {
        const int dr = (cell - 1) / 6 - (at - 1) / 6, dc = (cell - 1) % 6 - (at - 1) % 6;
        Key(form, dr > 0 ? Qt::Key_Down : dr < 0 ? Qt::Key_Up : dc > 0 ? Qt::Key_Right : Qt::Key_Left);
        at = FocusedCell(form);
    }
}

QString GameOverText(TForm1& form) {
    auto* note = form.findChild<QLabel*>(QStringLiteral("GameOver"));
    return note->isVisible() ? note->text() : QString();
}

}  // namespace

class PlayerFeaturesTest : public SandboxedTest {
    Q_OBJECT
private slots:
    // A deal from a known seed (0, midnight), won without the mouse.
    void wholeGameWonWithKeysAlone() {
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.Board().CardValue(1), 5);  // the deal of seed 0
        QCOMPARE(FocusedCell(form), 1);
        Key(form, Qt::Key_End);
        QCOMPARE(FocusedCell(form), 36);
        Key(form, Qt::Key_Home);
        QCOMPARE(FocusedCell(form), 1);
        Key(form, Qt::Key_Left);  // stops at the edge
        QCOMPARE(FocusedCell(form), 1);
        // The focus mark: orange, where no frame colour is.
        const QImage marked = ImageOf(form, 1)->grab().toImage();
        QCOMPARE(QColor(marked.pixel(3, 3)).rgb(), QColor::fromRgb(CardImage::kFocusColour).rgb());
        QVERIFY(QColor(ImageOf(form, 2)->grab().toImage().pixel(3, 3)).rgb() != QColor::fromRgb(CardImage::kFocusColour).rgb());

        WhenModal([](QWidget* nameEntry) {
            QTest::keyClicks(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("Keys"));
            WhenModal([](QWidget* leaders) { QTest::keyClick(leaders, Qt::Key_Escape); }, QStringLiteral("Form3"));
            QTest::keyClick(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
        }, QStringLiteral("Form2"));
        for (int cell = 1; cell <= 36; ++cell) {
            if (form.Board().IsMatched(cell)) continue;
            ArrowTo(form, cell);
            Key(form, Qt::Key_Space);
            ArrowTo(form, PartnerOf(form, cell));
            Key(form, cell % 2 ? Qt::Key_Return : Qt::Key_Space);
        }
        QCOMPARE(form.Board().MatchedCount(), 36);
        QCOMPARE(PointsText(form), QStringLiteral("1800"));
        LeadsTable onDisk;
        LoadLeads(onDisk, sandbox->LeadsFile());
        QCOMPARE(GetLeadEntry(onDisk, 1).name, QStringLiteral("Keys"));
        // The board keeps the window's focus through the name entry and the leaders
        // window (offscreen, no window manager activates it again by itself).
        QVERIFY(qobject_cast<CardImage*>(form.focusWidget()));
        QApplication::setActiveWindow(&form);
        QVERIFY(FocusedCell(form) != 0);
        Key(form, Qt::Key_F2);  // the window's keys still work from a card
        QCOMPARE(form.Board().MatchedCount(), 0);
    }

    void mouseAndKeysMix() {
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        Click(form, 14);  // the mouse turns a card and takes the focus there
        QCOMPARE(FocusedCell(form), 14);
        ArrowTo(form, PartnerOf(form, 14));
        Key(form, Qt::Key_Space);
        QCOMPARE(PointsText(form), QStringLiteral("100"));
    }

    // A found pair looks found: both its cards carry the green tick and a veil; a card
    // merely turned up does not, and a new deal takes every tick away.
    void foundPairsLookFound() {
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const auto ticked = [&](int cell) {
            CardImage* image = ImageOf(form, cell);
            const QImage shown = image->grab().toImage();
            const QRect tick = image->TickRect();  // above the mark, inside the disc
            const QPoint inside(tick.left() + tick.width() / 2, tick.top() + tick.height() / 4);
            return QColor(shown.pixel(inside * shown.devicePixelRatio())).rgb() == QColor::fromRgb(CardImage::kMatchedColour).rgb();
        };
        const int partner = PartnerOf(form, 8);
        Click(form, 8);
        const QImage turned = ImageOf(form, 8)->grab().toImage();
        QVERIFY(!ticked(8));
        Click(form, partner);
        QVERIFY(ticked(8));
        QVERIFY(ticked(partner));
        QVERIFY(ImageOf(form, 8)->grab().toImage() != turned);  // the whole card looks different
        Click(form, 1 == partner || 1 == 8 ? 2 : 1);  // a single card turned up after the pair
        QVERIFY(!ticked(1 == partner || 1 == 8 ? 2 : 1));
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(!ticked(8));
        QVERIFY(!ticked(partner));
    }

    // Above the cards: pairs found, turns taken and Show!s left, as they change.
    void progressFollowsTheGame() {
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.Settings().TurnDelay = 0;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* progress = form.findChild<QLabel*>(QStringLiteral("Progress"));
        const auto said = [](int pairs, int turns, int shows) {
            return QStringLiteral("Pairs found: %1 of 18    Turns: %2    Show! left: %3").arg(pairs).arg(turns).arg(shows);
        };
        QCOMPARE(progress->text(), said(0, 0, 50));
        const int partner = PartnerOf(form, 8);
        Click(form, 8);
        QCOMPARE(progress->text(), said(0, 0, 50));  // one card is no turn yet
        Click(form, partner);
        QCOMPARE(progress->text(), said(1, 1, 50));
        const int first = partner == 1 || 8 == 1 ? 2 : 1;
        Click(form, first);
        Click(form, NonPartnerOf(form, first));
        QCOMPARE(progress->text(), said(1, 2, 50));
        QTest::keyClick(&form, Qt::Key_F4);
        QCOMPARE(progress->text(), said(1, 2, 49));
        QCOMPARE(NameOf(progress), said(1, 2, 49));
        WhenModal([](QWidget* nameEntry) {
            WhenModal([](QWidget* leaders) { QTest::keyClick(leaders, Qt::Key_Escape); }, QStringLiteral("Form3"));
            QTest::keyClick(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
        }, QStringLiteral("Form2"));
        PlayPerfectGame(form);
        QCOMPARE(progress->text(), said(18, 19, 49));
        form.findChild<QAction*>(QStringLiteral("new1"))->trigger();
        QCOMPARE(progress->text(), said(0, 0, 50));
        QCOMPARE(form.findChild<QWidget*>(QStringLiteral("Panel1"))->size(), QSize(500, 505));  // the board keeps its size
    }

    // A sound at each event: the first card of a turn, a pair, a miss, Show! and the
    // end of the game; none once the player turns them off, which the next start keeps.
    void soundsFollowTheGameAndTheSwitch() {
        QStringList heard;
        {
            QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
            TForm1& form = windows.form1;
            form.SetSoundPlayer(std::make_unique<HeardSounds>(heard));
            form.Settings().TurnDelay = 0;
            QAction* sound = form.findChild<QAction*>(QStringLiteral("Sound1"));
            QVERIFY(sound->isCheckable() && sound->isChecked());
            const int partner = PartnerOf(form, 8);
            Click(form, 8);
            Click(form, partner);
            const int first = partner == 1 || 8 == 1 ? 2 : 1;
            Click(form, first);
            Click(form, NonPartnerOf(form, first));
            form.Board().ShowHint();
            QCOMPARE(heard, (QStringList{"turn", "pair", "turn", "miss", "show", "show"}));  // a pair's two frames
            heard.clear();
            WhenModal([](QWidget* nameEntry) {
                WhenModal([](QWidget* leaders) { QTest::keyClick(leaders, Qt::Key_Escape); }, QStringLiteral("Form3"));
                QTest::keyClick(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
            }, QStringLiteral("Form2"));
            PlayPerfectGame(form);
            QCOMPARE(heard.count(QStringLiteral("pair")), 16);
            QCOMPARE(heard.last(), QStringLiteral("end"));
            heard.clear();
            sound->trigger();  // off
            form.findChild<QAction*>(QStringLiteral("new1"))->trigger();
            Click(form, 8);
            Click(form, partner);
            QCOMPARE(heard, QStringList());
            form.close();  // saves the choice
        }
        QuorvixWindows again(sandbox->ProgramFolder(), [] { return 0u; });
        again.form1.SetSoundPlayer(std::make_unique<HeardSounds>(heard));
        QVERIFY(!again.form1.findChild<QAction*>(QStringLiteral("Sound1"))->isChecked());
        QVERIFY(!again.form1.Settings().SoundOn);
        Click(again.form1, 8);
        QCOMPARE(heard, QStringList());
    }

    // Each turn is told as a notification, which Orca speaks, the second card's face
    // before the wait and before any card turns back; the points with every change.
    void turnsAreToldAsTheyHappen_data() {
        QTest::addColumn<QString>("turn");
        QTest::addColumn<QStringList>("told");  // %1, %2: the faces of the first and second card; %3 where the second is
        QTest::newRow("first card") << "first" << QStringList{"news: %1"};
        QTest::newRow("pair") << "pair" << QStringList{"news: %1", "news: %1: a pair. Points: 100"};
        QTest::newRow("miss, the face before the cards turn back")
            << "miss" << QStringList{"news: %1", "news: %2: no pair. Points: -10", "card: %3, face down"};
        QTest::newRow("Show!") << "show" << QStringList{"news: Points: -75"};
        QTest::newRow("F2") << "new" << QStringList{"news: New game"};
    }
    void turnsAreToldAsTheyHappen() {
        QFETCH(QString, turn);
        QFETCH(QStringList, told);
        sandbox->WriteSettings("[General]\ndelay=0\n");
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        AccessibilityEvents events;
        const int second = turn == QLatin1String("pair") ? PartnerOf(form, 1) : NonPartnerOf(form, 1);
        const auto face = [&form](int cell) { return QStringLiteral("face %1").arg(form.Board().CardValue(cell)); };
        if (turn == QLatin1String("show") || turn == QLatin1String("new")) {
            Key(form, turn == QLatin1String("show") ? Qt::Key_F4 : Qt::Key_F2);
        } else {
            Click(form, 1);
            if (turn != QLatin1String("first")) Click(form, second);
        }
        Settle();
        QStringList expected;
        const QString place = QStringLiteral("row %1, column %2").arg((second - 1) / 6 + 1).arg((second - 1) % 6 + 1);
        for (QString line : told)
            expected << line.replace(QLatin1String("%1"), face(1)).replace(QLatin1String("%2"), face(second)).replace(QLatin1String("%3"), place);
        QStringList heard;
        for (const QString& line : events.timeline)
            if (line.startsWith(QLatin1String("news")) || expected.contains(line)) heard << line;
        QCOMPARE(heard, expected);
    }

    // The end of the game is told as it shows, after the last pair, and after the
    // name entry and the leaders window when there were; then the keyboard is on the
    // board again, with no click and no window manager's help.
    void theEndIsToldAndTheKeysStayOnTheBoard() {
        sandbox->WriteSettings("[General]\ndelay=0\n");
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        AccessibilityEvents events;
        WhenModal([](QWidget* nameEntry) {
            WhenModal([](QWidget* leaders) { QTest::keyClick(leaders, Qt::Key_Return); }, QStringLiteral("Form3"));
            QTest::keyClick(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
        }, QStringLiteral("Form2"));
        PlayPerfectGame(form);
        const QStringList news = events.timeline.filter(QStringLiteral("news: "));
        QVERIFY(!news.isEmpty());
        QCOMPARE(news.last(), QStringLiteral("news: ") + GameOverText(form));
        QTRY_VERIFY(form.isActiveWindow());
        QVERIFY(qobject_cast<CardImage*>(QApplication::focusWidget()));
        Key(form, Qt::Key_F2);
        QCOMPARE(form.Board().MatchedCount(), 0);
    }

    // To assistive technology the cards are buttons that turn when pressed, children
    // of the board itself: no frame around them, no "Points" caption beside the
    // points, whose name says it.
    void cardsAreButtonsOnTheBoard() {
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.findChild<QFrame*>(QStringLiteral("Panel1")));
        QStringList parts;
        for (int i = 0; i < board->childCount(); ++i) {
            QAccessibleInterface* part = board->child(i);
            QCOMPARE(board->indexOfChild(part), i);
            QCOMPARE(part->parent()->object(), board->object());
            parts << part->object()->objectName();
        }
        for (int cell = 1; cell <= 36; ++cell) {
            QVERIFY(parts.contains(QStringLiteral("Image%1").arg(cell)));
            QVERIFY(!parts.contains(QStringLiteral("p%1").arg(cell)));
        }
        QVERIFY(parts.contains(QStringLiteral("Label2")) && !parts.contains(QStringLiteral("Label1")));
        QAccessibleInterface* card = QAccessible::queryAccessibleInterface(ImageOf(form, 9));
        QCOMPARE(card->role(), QAccessible::Button);
        QCOMPARE(card->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form.Board().FirstCell(), 9);
    }

    // The orange focus mark shows while the player uses the keys, not after a click.
    void focusMarkOnlyWhileKeysAreUsed() {
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto marked = [&form](int cell) {
            return QColor(ImageOf(form, cell)->grab().toImage().pixel(3, 3)).rgb() == QColor::fromRgb(CardImage::kFocusColour).rgb();
        };
        Click(form, 14);
        QCOMPARE(FocusedCell(form), 14);
        QVERIFY(!marked(14));
        Key(form, Qt::Key_Right);
        QVERIFY(marked(15));
        Click(form, 20);
        QVERIFY(!marked(20));
        Key(form, Qt::Key_Shift);  // any key shows it again
        QVERIFY(marked(20));
    }

    void cardsAndReadoutAreNamedForScreenReaders() {
        AccessibilityEvents events;
        QuorvixWindows windows(sandbox->ProgramFolder(), [] { return 0u; });
        TForm1& form = windows.form1;
        QCOMPARE(NameOf(ImageOf(form, 8)), QStringLiteral("row 2, column 2, face down"));
        const int partner = PartnerOf(form, 8);
        Click(form, 8);
        QCOMPARE(NameOf(ImageOf(form, 8)), QStringLiteral("row 2, column 2, face %1").arg(form.Board().CardValue(8)));
        QVERIFY(events.Saw(ImageOf(form, 8), QAccessible::NameChanged));
        Click(form, partner);
        QCOMPARE(NameOf(ImageOf(form, 8)), QStringLiteral("row 2, column 2, face %1, matched").arg(form.Board().CardValue(8)));
        QVERIFY(NameOf(ImageOf(form, partner)).endsWith(QStringLiteral(", matched")));
        auto* readout = form.findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(NameOf(readout), QStringLiteral("Points: 100"));
        QVERIFY(events.Saw(readout, QAccessible::NameChanged));
    }

    void windowsNameTheirControls() {
        AccessibilityEvents events;
        QuorvixWindows windows(sandbox->ProgramFolder());
        QCOMPARE(NameOf(windows.form2.findChild<QLineEdit*>(QStringLiteral("Edit1"))), QStringLiteral("Your name for the leaders table"));
        QCOMPARE(NameOf(windows.form2.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))), QStringLiteral("OK"));
        QCOMPARE(NameOf(windows.form3.findChild<QPushButton*>(QStringLiteral("SpeedButton1"))), QStringLiteral("Clear the leaders table"));
        QCOMPARE(NameOf(windows.form4.findChild<QComboBox*>(QStringLiteral("ComboBox1"))), QStringLiteral("Card set"));
        // The leaders window reads one line a place, each once: no rank or points labels.
        WhenModal([](QWidget* leaders) {
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(leaders);
            QStringList lines;
            for (int i = 0; i < window->childCount(); ++i) lines << window->child(i)->text(QAccessible::Name);
            QCOMPARE(lines.filter(QStringLiteral("Place ")).size(), 10);
            QVERIFY(lines.contains(QStringLiteral("Place 1: none, 0 points")));
            QVERIFY(lines.contains(QStringLiteral("Place 10: none, 0 points")));
            QVERIFY(!lines.contains(QStringLiteral("1")) && !lines.contains(QStringLiteral("0")));
            leaders->close();
        });
        windows.form3.exec();
        // The delay slider: a slider with its value, range and step, announcing changes.
        auto* slider = windows.form4.findChild<TValueSlider*>(QStringLiteral("ValueSlider1"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(slider);
        QCOMPARE(accessible->role(), QAccessible::Slider);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Turn-back delay in milliseconds"));
        QAccessibleValueInterface* value = accessible->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->maximumValue().toInt(), 2000);
        QCOMPARE(value->minimumStepSize().toInt(), 50);
        slider->SetValue(750);
        QCOMPARE(value->currentValue().toInt(), 750);
        QVERIFY(events.Saw(slider, QAccessible::ValueChanged));
    }

    // What the player types is what the table shows: a character it cannot hold
    // never enters the field, and the window says why.
    void nameFieldTakesOnlyWhatTheTableHolds() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        QStringList notes;
        QString typed;
        WhenModal([&](QWidget* nameEntry) {
            auto* edit = nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            auto* note = nameEntry->findChild<QLabel*>(QStringLiteral("RefusedNote"));
            TypeText(edit, QString::fromUtf8("\xc5\x81ukasz"));  // Łukasz
            notes << note->text();  // after the last key, which was kept
            TypeText(edit, QString::fromUtf8("\xc5\x81"));
            notes << note->text();
            edit->selectAll();
            edit->insert(QString::fromUtf8("\xc4\x85\xc5\x9b\xc4\x87\xc4\x99Zo\xc3\xab"));  // a paste over it: ą ś ć ę Zoë
            notes << note->text();
            edit->setCursorPosition(2);
            edit->insert(QStringLiteral("\n\t") + QChar(0x9d));  // a paste amid it, of control characters
            notes << note->text();
            typed = edit->text();
            WhenModal([](QWidget* leaders) { QTest::keyClick(leaders, Qt::Key_Escape); }, QStringLiteral("Form3"));
            QTest::keyClick(edit, Qt::Key_Return);
        }, QStringLiteral("Form2"));
        windows.form2.Open(250);
        QCOMPARE(notes, (QStringList{QString(), QString::fromUtf8("\xe2\x80\x9c\xc5\x81\xe2\x80\x9d cannot be stored"),
                                     QString::fromUtf8("\xe2\x80\x9c\xc4\x85\xc5\x9b\xc4\x87\xe2\x80\xa6\xe2\x80\x9d cannot be stored"),
                                     QString::fromUtf8("\xe2\x80\x9c\xe2\x90\x8a\xe2\x90\x89U+009D\xe2\x80\x9d cannot be stored")}));
        QCOMPARE(typed, QString::fromUtf8("Zo\xc3\xab"));
        LeadsTable onDisk;
        LoadLeads(onDisk, sandbox->LeadsFile());
        QCOMPARE(GetLeadEntry(onDisk, 1).name, typed);
    }

    // F1 opens the help, which tells the rules, the costs and every key.
    void f1TellsHowToPlay() {
        QuorvixWindows windows(sandbox->ProgramFolder());
        windows.form1.show();
        QVERIFY(QTest::qWaitForWindowActive(&windows.form1));
        QString text;
        bool readyWhileShown = true;
        WhenModal([&](QWidget* help) {
            readyWhileShown = GameReady;
            text = help->findChild<QTextBrowser*>(QStringLiteral("HelpText"))->toPlainText();
            QTest::keyClick(help, Qt::Key_Escape);
        }, QStringLiteral("HelpBox"));
        QTest::keyClick(&windows.form1, Qt::Key_F1);
        for (const char* told : {"18 pairs", "100 points", "10 points", "75 points", "50 of them", "Arrows", "Home, End",
                                 "Space, Enter", "F2", "F3", "F4", "F10", "ten best", "Make a set", "cardgen make"})
            QVERIFY2(text.contains(QLatin1String(told)), told);
        QVERIFY(!readyWhileShown);
        QVERIFY(GameReady);
    }

    void everyGameHasAnEnd_data() {
        QTest::addColumn<int>("tenthPlace");
        QTest::addColumn<QString>("said");
        QTest::newRow("below the top ten") << 1900 << "Game over: 1800 points. The tenth place needs 1901 points.\nF2 starts a new game.";
        QTest::newRow("inside the top ten") << 0 << "Game over: 1800 points, place 1 in the leaders table.\nF2 starts a new game.";
    }
    void everyGameHasAnEnd() {
        QFETCH(int, tenthPlace);
        QFETCH(QString, said);
        LeadsTable table;
        for (int i = 0; i < 10 && tenthPlace; ++i) InsertLead(table, QStringLiteral("best"), tenthPlace + 10 * i, sandbox->LeadsFile());
        QuorvixWindows windows(sandbox->ProgramFolder());
        TForm1& form = windows.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (!tenthPlace)
            WhenModal([](QWidget* nameEntry) {
                WhenModal([](QWidget* leaders) { leaders->close(); }, QStringLiteral("Form3"));
                QTest::keyClick(nameEntry->findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Return);
            }, QStringLiteral("Form2"));
        QCOMPARE(GameOverText(form), QString());
        PlayPerfectGame(form);
        QCOMPARE(GameOverText(form), said);  // shown on the board, no window to close
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QApplication::setActiveWindow(&form);
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(GameOverText(form), QString());
    }

    // A set of the player's own, made by cardgen from pictures in any format, in the
    // data folder: listed first and marked, previewed, and played.
    void ownCardSetListedPreviewedAndPlayed() {
        QTemporaryDir pictures;
        QStringList args = {QStringLiteral("make"), sandbox->UserSetsFolder() + QStringLiteral("mine")};
        for (int i = 0; i <= 18; ++i) {
            QImage picture(200 + i, 150, QImage::Format_RGB32);  // not square, not card-sized
            picture.fill(i == 0 ? QColor(200, 30, 200) : QColor::fromHsv(i * 19, 255, 200));
            const QString path = pictures.filePath(QStringLiteral("p%1.%2").arg(i).arg(i % 2 ? "png" : "jpg"));
            QVERIFY(picture.save(path));
            args << path;
        }
        QProcess cardgen;
        cardgen.start(QStringLiteral(CARDGEN_PROGRAM), args);
        QVERIFY(cardgen.waitForFinished(30000));
        QCOMPARE(cardgen.exitCode(), 0);
        QVERIFY(QFile::exists(sandbox->UserSetsFolder() + QStringLiteral("mine/space.bmp")));
        QCOMPARE(QImage(sandbox->UserSetsFolder() + QStringLiteral("mine/18.bmp")).size(), QSize(120, 120));
        sandbox->AddCardSet(QStringLiteral("halfdone"), false, 0, 0, true);  // no back

        QuorvixWindows windows(sandbox->ProgramFolder());
        QStringList items;
        QList<bool> enabled;
        bool previewed = false;
        WhenModal([&](QWidget* options) {
            std::tie(items, enabled) = ListedCardSets(options);
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            emit combo->activated(combo->findData(QStringLiteral("mine")));
            QTRY_VERIFY(!options->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
            const QImage preview = options->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().toImage();
            previewed = qAbs(QColor(preview.pixel(20, 20)).red() - 200) < 16;  // its own back
            options->close();
        });
        windows.form4.exec();
        QCOMPARE(items, (QStringList{"halfdone (yours) (unusable: no back picture space.bmp)", "mine (yours)", "animals"}));
        QCOMPARE(enabled, (QList<bool>{false, true, true}));
        QVERIFY(previewed);
        QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Quorvix: mine"));
        const QImage back = ImageOf(windows.form1, 1)->pixmap().toImage();
        QVERIFY(qAbs(QColor(back.pixel(back.width() / 2, back.height() / 2)).red() - 200) < 16);
        Click(windows.form1, 1);
        QVERIFY(!ImageOf(windows.form1, 1)->pixmap().isNull());
    }

};

QUORVIX_WINDOW_TEST_MAIN(PlayerFeaturesTest)

#include "PlayerFeaturesTest.moc"
