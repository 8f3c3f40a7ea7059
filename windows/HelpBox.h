// The help window (Help -> How to play, F1): how to play, the points, Show!, the keys,
// the leaders table and sets of one's own, in a text the keys can scroll and screen
// readers can read.
#pragma once

#include <QDialog>

class HelpBox : public QDialog {
    Q_OBJECT
public:
    explicit HelpBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
