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

// Makes the chosen set in `folder` on a thread of its own, showing its progress with a
// Cancel button; returns what went wrong (empty when it was made), nothing when the
// player cancelled it (the sets are then as they were).
std::optional<QString> MakeSetShowingProgress(QWidget* parent, const QString& folder, const NewSetChoice& choice);
