#include "model/GameBoard.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "model/GameReady.h"

GameBoard::GameBoard(GameView& view, std::function<uint32_t()> clockSeed, std::function<int()> turnDelay,
                     std::function<int32_t()> lowestLeaderPoints)
    : view_(view),
      clockSeed_(std::move(clockSeed)),
      turnDelay_(std::move(turnDelay)),
      lowestLeaderPoints_(std::move(lowestLeaderPoints)) {}

bool GameBoard::IsMatched(int cell) const {
    return std::find(matchedCells_.begin(), matchedCells_.end(), cell) != matchedCells_.end();
}

void GameBoard::AddPoints(int32_t change) {
    points_ += change;
    view_.ShowPoints(points_);
}

int GameBoard::PartnerOf(int cell) const {
    for (int j = 1; j <= kCells; ++j)
        if (j != cell && CardValue(j) == CardValue(cell)) return j;
    return 0;
}

// A picture that fails to load is reported once the turn is complete, so that
// the board and GameReady are left consistent and the game goes on.
void GameBoard::ShowFaceOrRemember(int cell) {
    try {
        view_.ShowFace(cell, CardValue(cell));
    } catch (const CardImageError&) {
        if (!imageError_) imageError_ = std::current_exception();
    }
}

void GameBoard::ShowBackOrRemember(int cell) {
    try {
        view_.ShowBack(cell);
    } catch (const CardImageError&) {
        if (!imageError_) imageError_ = std::current_exception();
    }
}

void GameBoard::NewGame() {
    matchedCells_.fill(0);
    for (int cell = 1; cell <= kCells; ++cell) view_.ShowBack(cell);
    GameReady = true;
    hintsLeft_ = kHintsPerGame;
    view_.SetHintEnabled(true);
    random_.Reseed(clockSeed_());
    cardValue_ = Deal(random_);
    firstCell_ = 0;
    matchedCount_ = 0;
    turns_ = 0;
    points_ = 0;
    view_.ShowPoints(points_);
    view_.ProcessEvents();
}

void GameBoard::TurnCard(int cell) {
    if (!GameReady || cell < 1 || cell > kCells) return;
    if (IsMatched(cell) || cell == firstCell_) return;
    imageError_ = nullptr;

    if (firstCell_ == 0) {
        GameReady = false;
        firstCell_ = cell;
        ShowFaceOrRemember(cell);
        GameReady = true;
    } else if (CardValue(firstCell_) == CardValue(cell)) {
        GameReady = false;
        ++turns_;
        AddPoints(kMatchPoints);
        matchedCells_[size_t(matchedCount_++)] = uint8_t(firstCell_);
        matchedCells_[size_t(matchedCount_++)] = uint8_t(cell);
        ShowFaceOrRemember(cell);
        firstCell_ = 0;
        if (matchedCount_ == kCells && points_ > lowestLeaderPoints_()) {
            // The name entry and the leaders window after it leave GameReady true.
            try {
                view_.OpenNameEntry();
            } catch (...) {
                GameReady = true;
                throw;
            }
        } else {
            GameReady = true;
        }
        if (matchedCount_ == kCells) view_.ShowGameOver(points_);
    } else {
        GameReady = false;
        ++turns_;
        AddPoints(kMissPoints);
        ShowFaceOrRemember(cell);
        view_.RepaintNow(cell);
        view_.ProcessEvents();  // input handled here finds GameReady false
        view_.Wait(turnDelay_());  // clicks made now stay queued for later
        ShowBackOrRemember(cell);
        ShowBackOrRemember(firstCell_);
        firstCell_ = 0;
        GameReady = true;
    }
    if (imageError_) std::rethrow_exception(std::exchange(imageError_, nullptr));
}

void GameBoard::FlashFrames(int first, int second) {
    for (int cell : {first, second})
        if (cell) view_.SetFrameColour(cell, FrameColour::Hint);
    view_.ProcessEvents();
    view_.Wait(kHintFlashMs);
    for (int cell : {first, second})
        if (cell) view_.SetFrameColour(cell, FrameColour::Normal);
    view_.ProcessEvents();  // input queued during the flash is dropped here
    GameReady = true;
    AddPoints(kHintPoints);
}

void GameBoard::ShowHint() {
    if (!GameReady) return;
    if (hintsLeft_ == 0) {
        view_.SetHintEnabled(false);
        return;
    }
    GameReady = false;
    --hintsLeft_;
    if (firstCell_ != 0) {
        const int partner = PartnerOf(firstCell_);
        if (partner)
            FlashFrames(partner, 0);
        else
            GameReady = true;
        return;
    }
    int unmatched = 0;
    for (int cell = 1; cell <= kCells && !unmatched; ++cell)
        if (!IsMatched(cell)) unmatched = cell;
    if (!unmatched) {
        GameReady = true;
        return;
    }
    FlashFrames(PartnerOf(unmatched), unmatched);
}
