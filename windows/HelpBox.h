// The help window (Help -> How to play, F1): how to play, the points, Show!, the keys,
// the leaders table and sets of one's own, in a text the keys can scroll and screen
// readers can read.
#pragma once

#include "windows/GameHoldingDialog.h"

class HelpBox : public GameHoldingDialog {
    Q_OBJECT
public:
    explicit HelpBox(QWidget* parent = nullptr);
};
