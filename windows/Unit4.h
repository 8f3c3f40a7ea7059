// The options window TForm4: the card set with an animated preview, and the
// turn-back delay on a value slider. Changes go straight into the settings in
// memory; closing after a change deals a new board.
#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>
#include <optional>

#include "model/SettingsStore.h"
#include "windows/NewSetDialogs.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TValueSlider;

// What the options window works on, given by the program that owns the game.
struct OptionsLinks {
    GameSettings& settings;
    QString programFolder;
    std::function<void()> cardSetChanged;  // the caption and the card folder follow the set
    std::function<void()> dealAgain;       // after a change, on closing
};

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // Centred over `owner`, which stays its parent.
    TForm4(QWidget* owner, OptionsLinks links);

    int PreviewFrame() const { return previewFrame_; }
    // How the pictures and the name of a new set are asked (dialogs, unless a test
    // answers instead).
    void SetNewSetAsker(std::function<std::optional<NewSetChoice>(QWidget*)> ask) { askForNewSet_ = std::move(ask); }
    bool OptionsChanged() const { return optionsChanged_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormHide();
    void ComboBox1Change(int index);
    void ValueSlider1Change();
    void Timer1Timer();
    void FillCardSets();
    void SelectCurrentSet();
    QString SetNameAt(int index) const;
    void SetTimerEnabled(bool enabled);
    void SetTimerInterval(int milliseconds);
    bool ShowPreview(const QString& path);
    void MakeSetClick();
    void ChooseSet(const QString& name);
    static QString DelayText(int milliseconds);

    QWidget* owner_;
    OptionsLinks links_;
    QComboBox* ComboBox1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Panel1Caption = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label3 = nullptr;
    TValueSlider* ValueSlider1 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* MakeSetButton = nullptr;
    QTimer* Timer1 = nullptr;
    std::function<std::optional<NewSetChoice>(QWidget*)> askForNewSet_ = AskForNewSet;
    // The timer's own state: an interval of 0 keeps it silent while enabled.
    bool timerEnabled_ = true;
    int timerInterval_ = 500;

    int previewFrame_ = 0;
    bool optionsChanged_ = false;
};
