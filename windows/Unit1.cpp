#include "windows/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QTime>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <unistd.h>

#include "windows/BoardWidget.h"
#include "windows/CardImage.h"
#include "model/CardSets.h"
#include "ui/ErrorReport.h"
#include "ui/FormLook.h"
#include "model/GameOverText.h"
#include "model/GameReady.h"
#include "model/LeadsFile.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"

namespace {

uint32_t SeedFromClock() {
    const QTime now = QDateTime::currentDateTimeUtc().time();
    return ClockSeed(now.hour(), now.minute(), now.second(), now.msec());
}

}  // namespace

TForm1::TForm1(const QString& programFolder, std::function<uint32_t()> clockSeed, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(programFolder.endsWith(QLatin1Char('/')) ? programFolder : programFolder + QLatin1Char('/')),
      board_(*this, clockSeed ? std::move(clockSeed) : SeedFromClock, [this] { return settings_.TurnDelay; },
             [this] { return leads_.Table().points[kLeadEntries - 1]; }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(FormFont(11));
    BuildBoard();
    BuildMenu();
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetWindows(TForm3* leads, TForm2* nameEntry, QDialog* options, QDialog* about, QDialog* help) {
    leadsWindow_ = leads;
    nameEntryWindow_ = nameEntry;
    optionsWindow_ = options;
    aboutWindow_ = about;
    helpWindow_ = help;
}

void TForm1::BuildBoard() {
    Panel1 = new BoardWidget(this);
    setCentralWidget(Panel1);
    connect(Panel1, &BoardWidget::cellChosen, this, [this](int cell) { ReportingErrors([&] { TurnCardAt(cell); }, this); });
}

// A turn, and then what it made known: a pair found leaves both its cards matched.
void TForm1::TurnCardAt(int cell) {
    const auto nameMatched = [this] {
        for (int matched = 1; matched <= kCells; ++matched)
            if (board_.IsMatched(matched)) {
                Panel1->SetCardState(matched, FaceName(board_.CardValue(matched)) + tr(", matched"));
                Panel1->Image(matched)->SetMatched(true);
            }
    };
    try {
        board_.TurnCard(cell);
    } catch (...) {
        nameMatched();
        throw;
    }
    nameMatched();
}

QString TForm1::FaceName(int value) const {
    return value >= 1 && value <= faceNames_.size() ? faceNames_[value - 1] : tr("card %1").arg(value);
}

void TForm1::BuildMenu() {
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    auto add = [this](QMenu* menu, const char* name, const QString& text, QKeySequence key, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(text, this, handler);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        return action;
    };
    add(game, "new1", tr("&New"), Qt::Key_F2, &TForm1::new1Click);
    add(game, "Leads1", tr("&Leads"), Qt::Key_F3, &TForm1::Leads1Click);
    game->addSeparator();
    Showmeplease1 = add(game, "Showmeplease1", tr("&Show!"), Qt::Key_F4, &TForm1::Showmeplease1Click);
    soundItem_ = game->addAction(tr("S&ound"));
    soundItem_->setObjectName(QStringLiteral("Sound1"));
    soundItem_->setCheckable(true);
    connect(soundItem_, &QAction::toggled, this, [this](bool on) { settings_.SoundOn = on; });
    game->addSeparator();
    add(game, "ExitF101", tr("E&xit"), Qt::Key_F10, &TForm1::ExitF101Click);
    QAction* options = menuBar()->addAction(tr("&Options"), this, &TForm1::Options1Click);
    options->setObjectName(QStringLiteral("Options1"));
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, "Help1", tr("&How to play"), Qt::Key_F1, &TForm1::Help1Click);
    help->addAction(tr("&About"), this, &TForm1::About1Click)->setObjectName(QStringLiteral("About1"));
}

void TForm1::FormCreate() {
    GameReady = false;
    LoadSettings(settings_, *OpenSettingsStore());
    soundItem_->setChecked(settings_.SoundOn);
    // A stored set that is gone or incomplete must not lock the player out for good.
    const QString problem = CardSetProblem(CardSetFolder(programFolder_, settings_.CardSetName));
    if (!problem.isEmpty() && !FallBackFromCardSet(problem, {})) StopForReinstall();
    ApplyCardSet();
    if (const QString text = leads_.Load(); !text.isEmpty()) ShowErrorReport(text, this);
    NewGameOrStop();
}

void TForm1::ApplyCardSet() {
    settings_.CardFolder = CardSetFolder(programFolder_, settings_.CardSetName);
    faceNames_ = FaceNames(settings_.CardFolder);
    setWindowTitle(tr("Quorvix: ") + settings_.CardSetName);
}

bool TForm1::FallBackFromCardSet(const QString& reason, const QStringList& excluded) {
    const QString broken = settings_.CardSetName;
    const QString chosen = ChooseCardSet(programFolder_, QString(), excluded + QStringList{broken});
    if (chosen.isEmpty()) return false;
    settings_.CardSetName = chosen;
    ApplyCardSet();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quorvix"),
                    tr("The card set \"%1\" cannot be played: %2.\nQuorvix uses the set \"%3\" instead.")
                        .arg(broken, reason, chosen),
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.setObjectName(QStringLiteral("CardSetFallBack"));
    box.exec();
    return true;
}

void TForm1::NewGameOrStop() {
    QStringList tried;
    for (;;) {
        pictures_.Clear();  // a new deal reads the pictures afresh
        try {
            ranked_ = false;
            Panel1->SetGameOver(QString());
            pointsUntold_ = true;  // a deal's points go without saying
            board_.NewGame();
            pointsUntold_ = false;
            Panel1->Say(tr("New game"));
            return;
        } catch (const CardImageError& error) {
            tried << settings_.CardSetName;
            if (!FallBackFromCardSet(QString::fromStdString(error.what()), tried)) StopForReinstall();
        }
    }
}

void TForm1::StopForReinstall() {
    QMessageBox box(QMessageBox::Critical, tr("Quorvix: Error!"), tr("Please reinstall Quorvix"),
                    QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // Ends at once: nothing is saved.
    std::fflush(nullptr);
    ::_exit(0);
}

void TForm1::PlaySound(GameSound sound) {
    if (settings_.SoundOn && sounds_) sounds_->Play(sound);
}

// A face that cannot be loaded shows a stand-in, so that the board always shows
// what the game counts; its error is raised once per picture. The sound of a card
// turned: the first of a turn ticks; the second tells a pair (the last one, the end
// of the game) or a miss, as its face shows, before the wait.
void TForm1::ShowFace(int cell, int value) {
    ShowProgress();
    if (cell == board_.FirstCell())
        PlaySound(GameSound::Turn);
    else if (!board_.IsMatched(cell))
        PlaySound(GameSound::Miss);
    else
        PlaySound(board_.MatchedCount() == kCells ? GameSound::GameEnd : GameSound::Pair);
    CardImage* image = Panel1->Image(cell);
    Panel1->SetCardState(cell, FaceName(value));
    // Said before the turn-back wait, which keeps the game's thread from answering a
    // screen reader: the news keeps the face, so it is heard after the wait all the same.
    if (cell == board_.FirstCell()) {
        Panel1->Say(FaceName(value));
    } else {
        pointsUntold_ = false;
        Panel1->Say((board_.IsMatched(cell) ? tr("%1: a pair. Points: %2") : tr("%1: no pair. Points: %2"))
                        .arg(FaceName(value))
                        .arg(board_.Points()));
    }
    CardPictures::Picture& face =
        pictures_.Get(settings_.CardFolder + QString::number(value) + QStringLiteral(".bmp"), image->devicePixelRatioF());
    image->setPixmap(face.pixmap.isNull() ? StandInFace(value, image->size(), image->devicePixelRatioF()) : face.pixmap);
    if (!face.error.isEmpty() && !std::exchange(face.reported, true)) throw CardImageError(face.error.toStdString());
}

void TForm1::ShowBack(int cell) {
    CardImage* image = Panel1->Image(cell);
    const CardPictures::Picture& back = pictures_.Get(settings_.CardFolder + QStringLiteral("space.bmp"), image->devicePixelRatioF());
    if (back.pixmap.isNull()) throw CardImageError(back.error.toStdString());
    image->setPixmap(back.pixmap);
    image->SetMatched(false);
    Panel1->SetCardState(cell, tr("face down"));
}

void TForm1::RepaintNow(int cell) { Panel1->Image(cell)->repaint(); }

void TForm1::ProcessEvents() { QCoreApplication::processEvents(); }

// Blocks without handling input: clicks and keys stay queued until the turn is done.
void TForm1::Wait(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(ulong(milliseconds));
}

// The progress readout follows the board from every display request, so that it is
// right from the moment a card shows, also during the turn-back wait and the flash.
void TForm1::ShowProgress() { Panel1->SetProgress(board_.MatchedCount() / 2, board_.Turns(), board_.HintsLeft()); }

void TForm1::ShowPoints(int32_t points) {
    Panel1->SetPoints(points);
    ShowProgress();
    // A turn's second card tells them with its face, at once; otherwise (a Show!) they
    // are told once the board is done.
    if (!std::exchange(pointsUntold_, true)) QTimer::singleShot(0, this, &TForm1::TellPoints);
}

void TForm1::TellPoints() {
    if (std::exchange(pointsUntold_, false)) Panel1->Say(tr("Points: %1").arg(board_.Points()));
}

void TForm1::SetFrameColour(int cell, FrameColour colour) {
    Panel1->SetFrameColour(cell, colour);
    if (colour == FrameColour::Hint) PlaySound(GameSound::Show);
    ShowProgress();
}

void TForm1::SetHintEnabled(bool enabled) {
    Showmeplease1->setEnabled(enabled);
    ShowProgress();
}

void TForm1::OpenNameEntry() {
    ranked_ = true;
    if (nameEntryWindow_) nameEntryWindow_->Open(board_.Points());
    GameReady = true;
    // The name entry and the leaders window close one right after the other, and a
    // window manager may hand the focus to the one it saw close first, already gone.
    // Once both are, the board asks for the focus back, so that keys reach it.
    QTimer::singleShot(0, this, [this] {
        activateWindow();
        Panel1->FocusCell(Panel1->FocusedCell());
    });
}

void TForm1::ShowGameOver(int32_t points) { Panel1->SetGameOver(GameOverText(points, leads_.Table(), ranked_)); }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Panel1->FocusCell(Panel1->FocusedCell());
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    try {
        SaveSettings(settings_, SettingsFilePath(), programFolder_);
    } catch (const SettingsError& error) {
        // Reported; closing goes ahead.
        ShowErrorReport(QString::fromStdString(error.what()), this);
    }
}

void TForm1::new1Click() {
    if (GameReady) NewGameOrStop();
}

void TForm1::Leads1Click() {
    if (GameReady && leadsWindow_) leadsWindow_->exec();
}

void TForm1::Showmeplease1Click() {
    ReportingErrors([this] { board_.ShowHint(); }, this);
}

void TForm1::ExitF101Click() { close(); }

void TForm1::Options1Click() {
    if (GameReady && optionsWindow_) optionsWindow_->exec();
}

void TForm1::About1Click() {
    if (GameReady && aboutWindow_) aboutWindow_->exec();
}

void TForm1::Help1Click() {
    if (GameReady && helpWindow_) helpWindow_->exec();
}
