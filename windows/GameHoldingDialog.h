// A modal window that holds the game while it is up: GameReady is false from its
// showing to its hiding, so that the main window's commands wait (the about and help
// windows).
#pragma once

#include <QDialog>

#include "model/GameReady.h"

class GameHoldingDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        GameReady = false;
    }
    void hideEvent(QHideEvent* event) override {
        QDialog::hideEvent(event);
        GameReady = true;
    }
};
