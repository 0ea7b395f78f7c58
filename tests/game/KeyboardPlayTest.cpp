#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "GameFixture.h"
#include "puzzle/Board.h"
#include "puzzle/Solver.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

using platform::Key;

Key ArrowOf(Direction direction) {
    switch (direction) {
    case Direction::Left:
        return Key::Left;
    case Direction::Up:
        return Key::Up;
    case Direction::Right:
        return Key::Right;
    case Direction::Down:
        break;
    }
    return Key::Down;
}

// The board played from the keyboard alone: the game is started with Enter, and no mouse event
// reaches it.
class KeyboardPlayTest : public GameFixture {
protected:
    void StartWithEnter() {
        ASSERT_NO_FATAL_FAILURE(Launch());
        PressKey(Key::Enter);
        ASSERT_EQ(Game().screenState, GameApplication::kPlaying);
    }

    const Board& TheBoard() { return Game().GetBoard(); }
    BoardScreen& Screen() { return Game().boardScreen; }

    void ShiftTab() {
        platform.keys.OnKeyChange(Key::LeftShift, true);
        Tap(Key::Tab);
        platform.keys.OnKeyChange(Key::LeftShift, false);
        Send(Event::Of(EventKind::PollKeyboard));
    }

    // The pieces of the board sorted by their anchors, top row first, left to right.
    std::vector<int> PiecesByAnchor() {
        std::vector<std::tuple<int, int, int>> anchors;
        for (int number = 1; number <= kMaxPieceNumber; ++number) {
            if (std::find(TheBoard().grid.begin(), TheBoard().grid.end(), number) !=
                TheBoard().grid.end()) {
                const Piece& piece = TheBoard().pieces[number];
                anchors.emplace_back(piece.row, piece.col, number);
            }
        }
        std::sort(anchors.begin(), anchors.end());
        std::vector<int> numbers;
        for (const auto& anchor : anchors) {
            numbers.push_back(std::get<2>(anchor));
        }
        return numbers;
    }

    // The one selection frame shown, which must stand on the sprite of `number`.
    void ExpectFrameOn(int number) {
        const Shape shape = TheBoard().pieces[number].shape;
        for (const Shape other : {Shape::Across, Shape::Erect, Shape::Big, Shape::Small}) {
            EXPECT_EQ(Screen().View().SelectionFrame(other).visible != 0, other == shape)
                << "piece " << number;
        }
        const Picture& frame = Screen().View().SelectionFrame(shape);
        EXPECT_EQ(frame.screenX, Screen().View().Sprite(number).screenX) << "piece " << number;
        EXPECT_EQ(frame.screenY, Screen().View().Sprite(number).screenY) << "piece " << number;
    }

    // Tabs until `number` is selected; fails after a whole round.
    void TabTo(int number) {
        for (int tabs = 0; tabs <= kMaxPieceNumber && TheBoard().selected != number; ++tabs) {
            Tap(Key::Tab);
        }
        ASSERT_EQ(TheBoard().selected, number);
    }

    void PlayByKeys(const std::vector<Solver::Step>& path) {
        for (const Solver::Step& step : path) {
            ASSERT_NO_FATAL_FAILURE(TabTo(step.piece));
            const int steps = TheBoard().steps;
            Tap(ArrowOf(step.direction));
            ASSERT_EQ(TheBoard().steps, steps + 1) << "piece " << step.piece;
        }
    }
};

TEST_F(KeyboardPlayTest, LevelOneIsWonAndLeftForTheNextWithKeysAlone) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    ASSERT_EQ(TheBoard().level, 1);
    const Solver::Result solution = Solver::Solve(TheBoard().grid);
    ASSERT_EQ(solution.status, Solver::Status::Solved);
    ASSERT_NO_FATAL_FAILURE(PlayByKeys(solution.path));

    EXPECT_EQ(TheBoard().steps, solution.steps);
    EXPECT_EQ(Screen().View().StepCounter().value, solution.steps);
    EXPECT_EQ(TheBoard().state, PlayState::Finished);
    EXPECT_TRUE(Screen().WinPanel().visible);
    EXPECT_EQ(ReadProgress(), std::vector<std::int32_t>{1});
    EXPECT_EQ(Game().LevelsWonSinceStart(), 1);
    ExpectSpritesMatchBoard();

    Tap(Key::Up);
    Tap(Key::Tab);
    EXPECT_EQ(TheBoard().steps, solution.steps) << "a won board takes no more moves";
    PressKey(Key::Enter);
    EXPECT_EQ(TheBoard().level, 2) << "Enter is the win panel's next-level button";
    EXPECT_EQ(TheBoard().steps, 0);
    EXPECT_EQ(TheBoard().grid, LevelGrid(2));
    EXPECT_FALSE(Screen().WinPanel().visible);
    EXPECT_FALSE(Screen().Entry().visible);
    ExpectSpritesMatchBoard();
}

TEST_F(KeyboardPlayTest, TabWalksThePiecesInReadingOrderAndWrapsWithTheFrameShown) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    const std::vector<int> order = PiecesByAnchor();
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(TheBoard().selected, 0);
    for (const int number : order) {
        Tap(Key::Tab);
        ASSERT_EQ(TheBoard().selected, number);
        ExpectFrameOn(number);
    }
    Tap(Key::Tab);
    EXPECT_EQ(TheBoard().selected, order.front()) << "after the last piece, the first";
    EXPECT_EQ(TheBoard().steps, 0);

    // The same frame a click on the piece shows.
    const Piece& last = TheBoard().pieces[order.back()];
    Click(CellX(last.col), CellY(last.row));
    ASSERT_EQ(TheBoard().selected, order.back());
    Tap(Key::Tab);
    EXPECT_EQ(TheBoard().selected, order.front()) << "Tab goes on from a clicked piece";
    ExpectFrameOn(order.front());
}

TEST_F(KeyboardPlayTest, ShiftTabWalksBackFromTheLastPiece) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    std::vector<int> order = PiecesByAnchor();
    std::reverse(order.begin(), order.end());
    for (const int number : order) {
        ShiftTab();
        ASSERT_EQ(TheBoard().selected, number);
        ExpectFrameOn(number);
    }
    ShiftTab();
    EXPECT_EQ(TheBoard().selected, order.front()) << "before the first piece, the last";
    Tap(Key::Tab);
    ShiftTab();
    EXPECT_EQ(TheBoard().selected, order.front()) << "Tab then Shift+Tab come back";
}

TEST_F(KeyboardPlayTest, AnArrowWithNothingSelectedDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    const LevelFile::Grid start = TheBoard().grid;
    for (const Key arrow : {Key::Left, Key::Up, Key::Right, Key::Down}) {
        Tap(arrow);
    }
    EXPECT_EQ(TheBoard().grid, start);
    EXPECT_EQ(TheBoard().steps, 0);
    EXPECT_EQ(Screen().View().StepCounter().value, 0);
    EXPECT_EQ(TheBoard().selected, 0);
    ExpectSpritesMatchBoard();
}

TEST_F(KeyboardPlayTest, ABlockedArrowCostsNoStepAndAFreeOneCostsOne) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    Tap(Key::Tab);
    const int first = TheBoard().selected;
    ASSERT_EQ(TheBoard().pieces[first].row, 0) << "the first piece in reading order is on top";
    const LevelFile::Grid start = TheBoard().grid;
    Tap(Key::Up);
    EXPECT_EQ(TheBoard().grid, start) << "off the board";
    EXPECT_EQ(TheBoard().steps, 0);

    // Every arrow on every piece, each judged by the model's own move on a copy of the board.
    int blocked = 0;
    int free = 0;
    for (const int number : PiecesByAnchor()) {
        ASSERT_NO_FATAL_FAILURE(TabTo(number));
        for (const Direction direction :
             {Direction::Left, Direction::Up, Direction::Right, Direction::Down}) {
            Board copy = TheBoard();
            const bool moved = copy.Move(direction) != MoveOutcome::Blocked;
            (moved ? free : blocked) += 1;
            const int steps = TheBoard().steps;
            Tap(ArrowOf(direction));
            ASSERT_EQ(TheBoard().steps, steps + (moved ? 1 : 0)) << "piece " << number;
            EXPECT_EQ(Screen().View().StepCounter().value, TheBoard().steps);
            EXPECT_EQ(TheBoard().grid, copy.grid) << "piece " << number;
            ExpectSpritesMatchBoard();
            ExpectFrameOn(number);
        }
    }
    EXPECT_GT(blocked, 0);
    EXPECT_GT(free, 0);
}

TEST_F(KeyboardPlayTest, KeysMoveNoPieceUnderTheLeaveDialogOrTheNameEntry) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    PressKey(Key::Escape);
    ASSERT_TRUE(Game().Leave().visible);
    Tap(Key::Tab);
    Tap(Key::Down);
    EXPECT_EQ(TheBoard().selected, 0) << "the leave dialog is modal";
    PressKey(Key::Escape);
    ASSERT_FALSE(Game().Leave().visible);

    PlayShortestSolution();
    ASSERT_TRUE(Screen().WinPanel().visible);
    Click(Screen().WinPanel().closeButton);
    ASSERT_TRUE(Screen().Entry().visible);
    const LevelFile::Grid won = TheBoard().grid;
    const int selected = TheBoard().selected;
    Tap(Key::Tab);
    Tap(Key::Left);
    EXPECT_EQ(TheBoard().selected, selected);
    EXPECT_EQ(TheBoard().grid, won);
    EXPECT_TRUE(Screen().Entry().visible);
}

TEST_F(KeyboardPlayTest, PageKeysTurnTheLevelListAsFarAsItsArrowsGo) {
    ASSERT_NO_FATAL_FAILURE(StartWithEnter());
    LevelSelect& list = Screen().LevelList();
    ASSERT_EQ(list.Page(), 1);
    Tap(Key::PageUp);
    EXPECT_EQ(list.Page(), 1) << "no page before the first";
    Tap(Key::PageDown);
    Tap(Key::PageDown);
    EXPECT_EQ(list.Page(), 3);
    EXPECT_TRUE(list.LevelButton(11).visible);
    EXPECT_FALSE(list.LevelButton(1).visible);
    Tap(Key::PageUp);
    EXPECT_EQ(list.Page(), 2);
    EXPECT_TRUE(list.LevelButton(6).visible);
    EXPECT_FALSE(list.LevelButton(11).visible);
    for (int i = 0; i < 80; ++i) {
        Tap(Key::PageDown);
    }
    EXPECT_EQ(list.Page(), list.LastPage());
    EXPECT_EQ(TheBoard().level, 1) << "turning pages chooses no level";
}

} // namespace
} // namespace gametest
