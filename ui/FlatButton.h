// The flat button of the game's dialogs: bold, underlined, with a hand cursor.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

QPushButton* MakeFlatButton(const QString& text, QWidget* parent);
