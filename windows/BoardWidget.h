// The board as the main window shows it (Panel1): 36 card pictures in grey frames,
// the points readout, and a note when a game is over. It moves the keyboard focus
// over the cards, names each card for screen readers, and reports a card chosen with
// the mouse or the keyboard; what the cards show is the main window's to say.
#pragma once

#include <QFrame>

#include <array>
#include <cstdint>

#include "model/GameView.h"
#include "model/RandomSource.h"

class CardImage;
class QLabel;
class SpokenNews;

class BoardWidget : public QFrame {
    Q_OBJECT
public:
    explicit BoardWidget(QWidget* parent = nullptr);

    CardImage* Image(int cell) const { return images_[size_t(cell - 1)]; }
    void SetFrameColour(int cell, FrameColour colour);
    void SetPoints(int32_t points);
    // The readout above the cards: pairs found of 18, turns taken, Show!s left.
    void SetProgress(int pairsFound, int turns, int hintsLeft);
    // What a screen reader says of the card: where it is, and what is known of it.
    void SetCardState(int cell, const QString& known);
    // The note over the board at the end of a game; hidden by an empty text. A
    // screen reader announces it as it appears.
    void SetGameOver(const QString& text);
    // Tells a screen reader what just happened on the board.
    void Say(const QString& news);
    // The card the keyboard works on.
    int FocusedCell() const { return focusedCell_; }
    void FocusCell(int cell);
    // What assistive technology finds on the board: the cards (not the frames they
    // sit in), the progress, the points and the note; the "Points" caption is left
    // out, since the points' name says it.
    QList<QWidget*> AccessibleParts() const;

signals:
    void cellChosen(int cell);

private:
    void KeyPressed(int cell, int key);

    std::array<QFrame*, kCells> frames_{};
    std::array<CardImage*, kCells> images_{};
    QLabel* pointsCaption_ = nullptr;
    QLabel* points_ = nullptr;
    QLabel* progress_ = nullptr;
    QLabel* gameOver_ = nullptr;
    // News takes turns over a few lines: Orca skips a line's announcement when the
    // same line is shown again before it got to it, as when a player turns cards
    // faster than it speaks, and reads each line's text only when it gets to it.
    std::array<SpokenNews*, 4> news_{};
    size_t lastNews_ = 0;
    int focusedCell_ = 1;
};
