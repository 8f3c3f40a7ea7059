// The game: 36 cells holding 18 pairs, turning cards two at a time, points and hints.
// A QtCore-free model: the window turns clicks and commands into NewGame, TurnCard
// and ShowHint and carries out what the board asks of its GameView.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/GameView.h"
#include "model/RandomSource.h"

class GameBoard {
public:
    static constexpr int kHintsPerGame = 50;
    static constexpr int kHintFlashMs = 600;
    static constexpr int32_t kMatchPoints = 100;
    static constexpr int32_t kMissPoints = -10;
    static constexpr int32_t kHintPoints = -75;

    // `clockSeed` gives the seed of each deal (milliseconds since midnight UTC);
    // `turnDelay` the current turn-back delay; `lowestLeaderPoints` the points of
    // entry 10 of the leaders table in memory.
    GameBoard(GameView& view, std::function<uint32_t()> clockSeed, std::function<int()> turnDelay,
              std::function<int32_t()> lowestLeaderPoints);

    // Deals a fresh board. A back picture that cannot be loaded is fatal: the
    // CardImageError propagates and the caller stops the program.
    void NewGame();
    // A click on a cell (1..36). A face picture that cannot be loaded does not stop
    // the game: the turn completes and the CardImageError is rethrown afterwards.
    void TurnCard(int cell);
    void ShowHint();

    int CardValue(int cell) const { return cardValue_[size_t(cell - 1)]; }
    const std::array<uint8_t, kCells>& MatchedCells() const { return matchedCells_; }
    int MatchedCount() const { return matchedCount_; }
    int FirstCell() const { return firstCell_; }
    int32_t Points() const { return points_; }
    int HintsLeft() const { return hintsLeft_; }
    // Turns taken in this game: each second card turned, match or miss.
    int Turns() const { return turns_; }
    bool IsMatched(int cell) const;

private:
    void AddPoints(int32_t change);
    int PartnerOf(int cell) const;
    void FlashFrames(int first, int second);
    void ShowFaceOrRemember(int cell);
    void ShowBackOrRemember(int cell);

    GameView& view_;
    std::function<uint32_t()> clockSeed_;
    std::function<int()> turnDelay_;
    std::function<int32_t()> lowestLeaderPoints_;
    RandomSource random_;

    CardValues cardValue_{};
    std::array<uint8_t, kCells> matchedCells_{};
    int matchedCount_ = 0;
    int firstCell_ = 0;
    int32_t points_ = 0;
    int hintsLeft_ = kHintsPerGame;
    int turns_ = 0;
    std::exception_ptr imageError_;
};
