// The name entry TForm2: asks a qualifying player's name, ranks the result in and
// then shows the leaders window. It cannot be dismissed without a name, but OK
// always leads out: a result that cannot be saved is kept for this run.
#pragma once

#include <QDialog>

#include "model/LeadsBook.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TForm3;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(LeadsBook& leads, TForm3& leadsWindow, QWidget* parent = nullptr);

    // Shows the window modally for a finished game's points; returns once it closed.
    void Open(int32_t points);
    void reject() override;  // Escape does nothing

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SpeedButton1Click();
    void ShowRefused(const QString& refused);

    LeadsBook& leads_;
    TForm3& leadsWindow_;
    int32_t points_ = 0;
    bool NameEntryAllowedToClose = false;
    QLineEdit* Edit1 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QLabel* RefusedNote = nullptr;
};
