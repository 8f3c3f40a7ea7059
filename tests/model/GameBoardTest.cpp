// The board driven through a recording view: order of effects, points, hints and
// what happens to clicks that arrive while an operation waits.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "SeedZeroDeal.h"
#include "model/GameBoard.h"
#include "model/GameReady.h"

namespace {

class RecordingView : public GameView {
public:
    std::vector<std::string> events;
    std::deque<int> clicksDuringWait;  // "made" by the player while the thread blocks
    std::deque<int> pendingClicks;     // queued in the window system
    GameBoard* board = nullptr;
    int failingFaceCell = 0;
    bool failBacks = false;
    int nameEntries = 0;

    void ShowFace(int cell, int value) override {
        events.push_back("face " + std::to_string(cell) + "=" + std::to_string(value));
        if (cell == failingFaceCell) throw CardImageError("cannot load face");
    }
    void ShowBack(int cell) override {
        if (failBacks) throw CardImageError("cannot load space.bmp");
        events.push_back("back " + std::to_string(cell));
    }
    void RepaintNow(int cell) override { events.push_back("repaint " + std::to_string(cell)); }
    void ProcessEvents() override {
        events.push_back(GameReady ? "process (ready)" : "process (busy)");
        DeliverPending();
    }
    void Wait(int ms) override {
        events.push_back("wait " + std::to_string(ms));
        while (!clicksDuringWait.empty()) {
            pendingClicks.push_back(clicksDuringWait.front());
            clicksDuringWait.pop_front();
        }
    }
    void ShowPoints(int32_t points) override { events.push_back("points " + std::to_string(points)); }
    void SetFrameColour(int cell, FrameColour colour) override {
        events.push_back((colour == FrameColour::Hint ? "blue " : "grey ") + std::to_string(cell));
    }
    void SetHintEnabled(bool enabled) override { events.push_back(enabled ? "hint on" : "hint off"); }
    void OpenNameEntry() override {
        ++nameEntries;
        events.push_back("name entry");
        GameReady = true;  // as the name entry and leaders windows leave it
    }
    void ShowGameOver(int32_t points) override { events.push_back("game over " + std::to_string(points)); }
    // The event loop after an operation returns.
    void DeliverPending() {
        while (!pendingClicks.empty()) {
            const int cell = pendingClicks.front();
            pendingClicks.pop_front();
            board->TurnCard(cell);
        }
    }
};

class Board : public ::testing::Test {
protected:
    void SetUp() override {
        GameReady = false;
        view.board = &board;
        board.NewGame();
        view.events.clear();
    }
    // The partner of a cell on the seed-0 deal, and a cell that does not match it,
    // from the deal as written down rather than from the board.
    static int Partner(int cell) { return Find(cell, true); }
    static int Other(int cell) { return Find(cell, false); }
    static int Find(int cell, bool same) {
        for (int j = 1; j <= kCells; ++j)
            if (j != cell && (kSeedZeroDeal[size_t(j - 1)] == kSeedZeroDeal[size_t(cell - 1)]) == same) return j;
        return 0;
    }
    void MatchAll() {
        for (int cell = 1; cell <= kCells; ++cell)
            if (!board.IsMatched(cell)) {
                board.TurnCard(cell);
                board.TurnCard(Partner(cell));
            }
    }
    using Events = std::vector<std::string>;

    RecordingView view;
    int delay = 500;
    int32_t lowest = 0;
    GameBoard board{view, [] { return 0u; }, [this] { return delay; }, [this] { return lowest; }};
};

}  // namespace

TEST_F(Board, NewGameShowsBacksAndResets) {
    board.TurnCard(1);
    board.TurnCard(Other(1));
    view.events.clear();
    board.NewGame();
    Events expected;
    for (int cell = 1; cell <= 36; ++cell) expected.push_back("back " + std::to_string(cell));
    expected.insert(expected.end(), {"hint on", "points 0", "process (ready)"});
    EXPECT_EQ(view.events, expected);
    EXPECT_TRUE(GameReady);
    EXPECT_EQ(board.Points(), 0);
    EXPECT_EQ(board.FirstCell(), 0);
    EXPECT_EQ(board.MatchedCount(), 0);
    EXPECT_EQ(board.HintsLeft(), 50);
    EXPECT_EQ(board.Turns(), 0);
    EXPECT_EQ(board.CardValue(1), 5);
    EXPECT_EQ(board.CardValue(36), 1);
}

TEST_F(Board, MatchScoresAndKeepsBothFaces) {
    board.TurnCard(1);
    board.TurnCard(29);
    EXPECT_EQ(view.events, (Events{"face 1=5", "points 100", "face 29=5"}));
    EXPECT_EQ(board.Points(), 100);
    EXPECT_EQ(board.MatchedCount(), 2);
    EXPECT_EQ(board.MatchedCells()[0], 1);
    EXPECT_EQ(board.MatchedCells()[1], 29);
    EXPECT_EQ(board.Turns(), 1);
    EXPECT_EQ(board.FirstCell(), 0);
    EXPECT_TRUE(GameReady);
}

TEST_F(Board, MismatchShowsWaitsAndTurnsBack) {
    delay = 750;
    board.TurnCard(1);
    board.TurnCard(2);
    EXPECT_EQ(view.events, (Events{"face 1=5", "points -10", "face 2=16", "repaint 2", "process (busy)", "wait 750",
                                   "back 2", "back 1"}));
    EXPECT_EQ(board.Turns(), 1);
    EXPECT_EQ(board.FirstCell(), 0);
    EXPECT_TRUE(GameReady);
}

TEST_F(Board, ZeroDelayStillShowsTheSecondCard) {
    delay = 0;
    board.TurnCard(1);
    board.TurnCard(2);
    EXPECT_EQ(view.events[2], "face 2=16");
    EXPECT_EQ(view.events[5], "wait 0");
}

TEST_F(Board, IgnoredClicksChangeNothing) {
    board.TurnCard(1);
    board.TurnCard(29);
    board.TurnCard(2);
    view.events.clear();
    for (int cell : {2, 1, 29, 0, 37, -5}) board.TurnCard(cell);
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(board.Points(), 100);
    EXPECT_EQ(board.FirstCell(), 2);
    EXPECT_EQ(board.Turns(), 1);  // the first card of a turn is no turn yet
    GameReady = false;
    board.TurnCard(10);
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(board.Turns(), 1);
}

TEST_F(Board, PointsGoNegative) {
    for (int i = 0; i < 3; ++i) {
        board.TurnCard(1);
        board.TurnCard(2);
    }
    EXPECT_EQ(board.Points(), -30);
    EXPECT_EQ(board.Turns(), 3);
    EXPECT_EQ(view.events.back(), "back 1");
    EXPECT_NE(std::find(view.events.begin(), view.events.end(), "points -30"), view.events.end());
}

TEST_F(Board, PerfectGameEqualToEntryTenIsNotRanked) {
    lowest = 1800;
    MatchAll();
    EXPECT_EQ(board.Points(), 1800);
    EXPECT_EQ(board.MatchedCount(), 36);
    EXPECT_EQ(view.nameEntries, 0);
    EXPECT_EQ(view.events.back(), "game over 1800");  // said without the name entry too
    EXPECT_TRUE(GameReady);
    // Finished: every click is ignored, and a new deal is possible at once.
    view.events.clear();
    board.TurnCard(5);
    EXPECT_TRUE(view.events.empty());
    board.NewGame();
    EXPECT_EQ(board.MatchedCount(), 0);
}

TEST_F(Board, OnePointAboveEntryTenOpensTheNameEntry) {
    lowest = 1799;
    MatchAll();
    EXPECT_EQ(view.nameEntries, 1);
    EXPECT_EQ(view.events[view.events.size() - 2], "name entry");
    EXPECT_EQ(view.events.back(), "game over 1800");  // after the name entry has closed
    EXPECT_TRUE(GameReady);
}

TEST_F(Board, HintWithNoCardUpFlashesTheLowestUnmatchedPair) {
    board.ShowHint();
    EXPECT_EQ(view.events, (Events{"blue 29", "blue 1", "process (busy)", "wait 600", "grey 29", "grey 1",
                                   "process (busy)", "points -75"}));
    EXPECT_EQ(board.HintsLeft(), 49);
    EXPECT_TRUE(GameReady);
    // With cells 1 and 29 matched, the next hint shows cell 2 and its partner 10.
    board.TurnCard(1);
    board.TurnCard(29);
    view.events.clear();
    board.ShowHint();
    EXPECT_EQ(view.events[0], "blue 10");
    EXPECT_EQ(view.events[1], "blue 2");
}

TEST_F(Board, HintWithACardUpFlashesOnlyItsPartner) {
    board.TurnCard(2);
    view.events.clear();
    board.ShowHint();
    EXPECT_EQ(view.events, (Events{"blue 10", "process (busy)", "wait 600", "grey 10", "process (busy)", "points -75"}));
    EXPECT_EQ(board.FirstCell(), 2);
}

TEST_F(Board, FiftyFirstHintDisablesTheCommandForFree) {
    for (int i = 0; i < 50; ++i) board.ShowHint();
    EXPECT_EQ(board.Points(), -75 * 50);
    EXPECT_EQ(board.HintsLeft(), 0);
    view.events.clear();
    board.ShowHint();
    EXPECT_EQ(view.events, Events{"hint off"});
    EXPECT_EQ(board.Points(), -75 * 50);
    board.NewGame();
    EXPECT_EQ(board.HintsLeft(), 50);
    EXPECT_NE(std::find(view.events.begin(), view.events.end(), "hint on"), view.events.end());
}

TEST_F(Board, HintAfterTheLastPairUsesAHintOnly) {
    lowest = 5000;
    MatchAll();
    view.events.clear();
    board.ShowHint();
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(board.HintsLeft(), 49);
    EXPECT_EQ(board.Points(), 1800);
    EXPECT_TRUE(GameReady);
}

TEST_F(Board, ClicksDuringTheMismatchWaitAreHandledAfterIt) {
    board.TurnCard(1);
    view.clicksDuringWait = {29, 3};
    board.TurnCard(2);
    EXPECT_EQ(board.FirstCell(), 0);
    view.DeliverPending();  // the event loop resumes
    EXPECT_EQ(board.FirstCell(), 0);
    EXPECT_TRUE(board.IsMatched(29) == false);
    // 29 became the first card, 3 then missed it: both turned back, 10 points off twice.
    EXPECT_EQ(board.Points(), -20);
}

TEST_F(Board, ClicksDuringTheHintFlashAreDropped) {
    view.clicksDuringWait = {1, 29};
    board.ShowHint();
    view.DeliverPending();
    EXPECT_EQ(board.FirstCell(), 0);
    EXPECT_EQ(board.MatchedCount(), 0);
    EXPECT_EQ(board.Points(), -75);
}

TEST_F(Board, ClicksProcessedDuringTheMismatchAreIgnored) {
    board.TurnCard(1);
    view.pendingClicks = {29};  // already queued when the mismatch processes events
    board.TurnCard(2);
    EXPECT_EQ(board.MatchedCount(), 0);
    EXPECT_EQ(board.FirstCell(), 0);
}

TEST_F(Board, AFaceThatCannotBeLoadedIsReportedAndTheGameGoesOn) {
    view.failingFaceCell = 2;
    board.TurnCard(1);
    EXPECT_THROW(board.TurnCard(2), CardImageError);
    EXPECT_TRUE(GameReady);
    EXPECT_EQ(board.FirstCell(), 0);
    EXPECT_EQ(view.events.back(), "back 1");
    EXPECT_THROW(board.TurnCard(2), CardImageError);
    EXPECT_EQ(board.FirstCell(), 2);
    board.TurnCard(10);
    EXPECT_TRUE(board.IsMatched(10));
}

TEST_F(Board, AMissingBackStopsTheDeal) {
    view.failBacks = true;
    EXPECT_THROW(board.NewGame(), CardImageError);
}
