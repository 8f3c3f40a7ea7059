// What the player chooses to make a card set of their own from the options window:
// the back, 18 faces and the set's name, each asked in a dialog of its own.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

struct NewSetChoice {
    QString back;
    QStringList faces;
    QString name;
};

// Empty when the player cancels any of the dialogs.
std::optional<NewSetChoice> AskForNewSet(QWidget* parent);
