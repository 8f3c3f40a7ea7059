// What the board asks of the window that shows it. The board model calls these in
// the order the rules fix; the window carries them out.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

enum class FrameColour { Normal, Hint };  // medium grey (160, 160, 164) or blue (0, 0, 255)

// A card picture that could not be loaded; what() names the file and the reason.
class CardImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class GameView {
public:
    virtual ~GameView() = default;
    // Both may throw CardImageError.
    virtual void ShowFace(int cell, int value) = 0;
    virtual void ShowBack(int cell) = 0;
    virtual void RepaintNow(int cell) = 0;
    // Lets the window system handle pending events once.
    virtual void ProcessEvents() = 0;
    // Blocks for the given time without handling input: clicks stay queued.
    virtual void Wait(int milliseconds) = 0;
    virtual void ShowPoints(int32_t points) = 0;
    virtual void SetFrameColour(int cell, FrameColour colour) = 0;
    virtual void SetHintEnabled(bool enabled) = 0;
    // Opens the name entry modally and returns when it (and the leaders window after it) closed.
    virtual void OpenNameEntry() = 0;
    // Every pair is found: the game is over with these points (after the name entry,
    // when there was one). Shown without interrupting the player.
    virtual void ShowGameOver(int32_t points) = 0;
};
