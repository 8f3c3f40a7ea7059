// The main window TForm1: the board of 36 cards, the points, the menu, start-up
// (FormCreate) and saving the settings on close.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "ui/CardPictures.h"
#include "ui/GameSounds.h"
#include "model/GameBoard.h"
#include "model/LeadsBook.h"
#include "model/SettingsStore.h"

class BoardWidget;
class QAction;
class QDialog;
class QFrame;
class QLabel;
class TForm2;
class TForm3;

class TForm1 : public QMainWindow, public GameView {
    Q_OBJECT
public:
    // Runs FormCreate: settings, caption, leaders table, first deal. Deals are seeded
    // from the clock, or from `clockSeed` when given (tests deal known boards).
    explicit TForm1(const QString& programFolder, std::function<uint32_t()> clockSeed = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows created after this one, in start-up order.
    void SetWindows(TForm3* leads, TForm2* nameEntry, QDialog* options, QDialog* about, QDialog* help);

    GameSettings& Settings() { return settings_; }
    LeadsBook& Leads() { return leads_; }
    GameBoard& Board() { return board_; }
    const QString& ProgramFolder() const { return programFolder_; }
    // Where the game's sounds go: synthesised ones, unless a test listens instead.
    void SetSoundPlayer(std::unique_ptr<SoundPlayer> player) { sounds_ = std::move(player); }

    // Deals a new board. When the set's back picture cannot be loaded, another set
    // that can be dealt takes its place (the player is told); with none left, the
    // program ends with "Please reinstall Quorvix".
    void NewGameOrStop();
    // "Quorvix: " + the card set, and the card folder that goes with it.
    void ApplyCardSet();

    // GameView
    void ShowFace(int cell, int value) override;
    void ShowBack(int cell) override;
    void RepaintNow(int cell) override;
    void ProcessEvents() override;
    void Wait(int milliseconds) override;
    void ShowPoints(int32_t points) override;
    void SetFrameColour(int cell, FrameColour colour) override;
    void SetHintEnabled(bool enabled) override;
    void OpenNameEntry() override;
    void ShowGameOver(int32_t points) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void BuildBoard();
    void BuildMenu();
    void TurnCardAt(int cell);
    QString FaceName(int value) const;
    // Switches to a set that can be dealt when the current one cannot, telling the
    // player why; false when there is none.
    bool FallBackFromCardSet(const QString& reason, const QStringList& excluded);
    [[noreturn]] void StopForReinstall();

    void new1Click();
    void Leads1Click();
    void Showmeplease1Click();
    void ExitF101Click();
    void Options1Click();
    void About1Click();
    void ShowProgress();
    void TellPoints();
    void PlaySound(GameSound sound);
    void Help1Click();

    QString programFolder_;
    GameSettings settings_;
    LeadsBook leads_;
    GameBoard board_;
    CardPictures pictures_{QSize(60, 60)};
    std::unique_ptr<SoundPlayer> sounds_ = std::make_unique<SynthesisedSounds>();
    QAction* soundItem_ = nullptr;

    BoardWidget* Panel1 = nullptr;
    QAction* Showmeplease1 = nullptr;
    QStringList faceNames_;  // of the set in play, for screen readers
    bool ranked_ = false;    // this game's result went to the name entry
    // Points not yet told to a screen reader: a turn tells them with its second card,
    // a Show! once it is over.
    bool pointsUntold_ = false;

    TForm3* leadsWindow_ = nullptr;
    TForm2* nameEntryWindow_ = nullptr;
    QDialog* optionsWindow_ = nullptr;
    QDialog* aboutWindow_ = nullptr;
    QDialog* helpWindow_ = nullptr;
};
