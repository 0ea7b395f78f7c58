#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "GameFixture.h"
#include "game/Layout.h"
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

std::pair<int, int> At(const Element& element) {
    return {element.screenX, element.screenY};
}

std::pair<int, int> CellOnScreen(int col, int row) {
    return {14 + 98 * col, 36 + 94 * row};
}

platform::Key ArrowOf(Direction direction) {
    switch (direction) {
    case Direction::Left:
        return platform::Key::Left;
    case Direction::Up:
        return platform::Key::Up;
    case Direction::Right:
        return platform::Key::Right;
    case Direction::Down:
        break;
    }
    return platform::Key::Down;
}

// Level 1 with slides on, as a player's set.ini without "animate" has them.
class PieceSlideTest : public GameFixture {
protected:
    void SetUp() override {
        WriteSettings(true);
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
        const Solver::Result solution = Solver::Solve(Board().grid);
        ASSERT_EQ(solution.status, Solver::Status::Solved);
        path = solution.path;
        ASSERT_NO_FATAL_FAILURE(Render());
    }

    const puzzle::Board& Board() { return Game().GetBoard(); }
    BoardScreen& Screen() { return Game().boardScreen; }

    // Selects the piece of step i with Tab and presses its arrow.
    void StepByKeys(std::size_t i) {
        const Solver::Step& step = path[i];
        for (int tabs = 0; tabs <= kMaxPieceNumber && Board().selected != step.piece; ++tabs) {
            Tap(platform::Key::Tab);
        }
        ASSERT_EQ(Board().selected, step.piece);
        Tap(ArrowOf(step.direction));
    }

    const Picture& Frame(int number) {
        return Screen().View().SelectionFrame(Board().pieces[number].shape);
    }

    std::vector<Solver::Step> path;
};

TEST_F(PieceSlideTest, AMovedPieceSlidesEasedIntoItsCellWhileFramesAreAskedFor) {
    const int number = path[0].piece;
    const std::pair<int, int> from = At(Screen().View().Sprite(number));
    ASSERT_NO_FATAL_FAILURE(StepByKeys(0));

    EXPECT_EQ(Board().steps, 1) << "the step counts at the move";
    EXPECT_EQ(Screen().View().StepCounter().value, 1);
    const Piece& piece = Board().pieces[number];
    const std::pair<int, int> to = CellOnScreen(piece.col, piece.row);
    ASSERT_NE(from, to);
    EXPECT_TRUE(Screen().Sliding());
    EXPECT_EQ(At(Screen().View().Sprite(number)), from) << "nothing moves before a frame";

    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_TRUE(Game().FrameDue()) << "a slide asks for the next frame";
    Advance(45);
    ASSERT_NO_FATAL_FAILURE(Render());
    const std::pair<int, int> half = At(Screen().View().Sprite(number));
    // Eased out: seven eighths of the way after half the time, within a pixel.
    const auto sevenEighths = [](int a, int b) { return a + (b - a) * 7 / 8; };
    EXPECT_NEAR(half.first, sevenEighths(from.first, to.first), 1);
    EXPECT_NEAR(half.second, sevenEighths(from.second, to.second), 1);
    EXPECT_NE(half, to);
    EXPECT_EQ(At(Frame(number)), half) << "the selection frame goes along";
    EXPECT_EQ(Pixel(half.first + 2, half.second + 2),
              ColourOf(Layout::SelectionFrame(piece.shape).file))
        << "the framed sprite is drawn where it stands";
    EXPECT_TRUE(Game().FrameDue());

    Advance(45);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(At(Screen().View().Sprite(number)), to);
    EXPECT_EQ(At(Frame(number)), to);
    EXPECT_FALSE(Screen().Sliding());
    EXPECT_FALSE(Game().FrameDue()) << "the loop sleeps once the piece is in its cell";
    ExpectSpritesMatchBoard();
}

TEST_F(PieceSlideTest, AClickDuringASlideCompletesItAndIsThenHandled) {
    ASSERT_NO_FATAL_FAILURE(StepByKeys(0));
    Advance(30);
    ASSERT_NO_FATAL_FAILURE(Render());
    ASSERT_TRUE(Screen().Sliding());

    // A click on the next step's piece: the first arrives, then the click selects.
    const Piece& next = Board().pieces[path[1].piece];
    Click(CellX(next.col), CellY(next.row));
    EXPECT_FALSE(Screen().Sliding());
    ExpectSpritesMatchBoard();
    EXPECT_EQ(Board().selected, path[1].piece);
    EXPECT_EQ(At(Frame(path[1].piece)), At(Screen().View().Sprite(path[1].piece)));
    EXPECT_EQ(Board().steps, 1);
}

TEST_F(PieceSlideTest, AKeyDuringASlideCompletesItBeforeTheNextMove) {
    ASSERT_NO_FATAL_FAILURE(StepByKeys(0));
    ASSERT_TRUE(Screen().Sliding());
    ASSERT_NO_FATAL_FAILURE(StepByKeys(1));
    EXPECT_EQ(Board().steps, 2);
    const Piece& first = Board().pieces[path[0].piece];
    EXPECT_EQ(At(Screen().View().Sprite(path[0].piece)), CellOnScreen(first.col, first.row))
        << "the first piece arrived before the Tab went on";
    Advance(90);
    ASSERT_NO_FATAL_FAILURE(Render());
    ExpectSpritesMatchBoard();
}

TEST_F(PieceSlideTest, TheWinPanelComesUpOnlyWhenTheWinningSlideEnds) {
    const std::size_t last = path.size() - 1;
    for (std::size_t i = 0; i < last; ++i) {
        ASSERT_NO_FATAL_FAILURE(StepByKeys(i));
    }
    ASSERT_NO_FATAL_FAILURE(StepByKeys(last));

    // The win counts at the move: the level is over, saved and reported.
    EXPECT_EQ(Board().state, PlayState::Finished);
    EXPECT_EQ(ReadProgress(), std::vector<std::int32_t>{1});
    EXPECT_EQ(Game().LevelsWonSinceStart(), 1);
    EXPECT_FALSE(Screen().WinPanel().visible);

    ASSERT_NO_FATAL_FAILURE(Render());
    Advance(60);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_FALSE(Screen().WinPanel().visible) << "still sliding";
    Advance(30);
    ASSERT_NO_FATAL_FAILURE(Render());
    ASSERT_TRUE(Screen().WinPanel().visible);
    const Picture& panel = Screen().WinPanel();
    EXPECT_EQ(Pixel(panel.screenX + 5, panel.screenY + 5), ColourOf("Graphic/UI/guog.bmp"))
        << "drawn in the frame in which the piece arrived";
    EXPECT_EQ(Game().LevelsWonSinceStart(), 1) << "reported once";
    ExpectSpritesMatchBoard();
}

TEST_F(PieceSlideTest, EnterDuringTheWinningSlideBringsThePanelAndGoesOn) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(StepByKeys(i));
    }
    ASSERT_FALSE(Screen().WinPanel().visible);
    PressKey(platform::Key::Enter);
    EXPECT_EQ(Board().level, 2);
    EXPECT_FALSE(Screen().WinPanel().visible);
    ExpectSpritesMatchBoard();
}

TEST_F(PieceSlideTest, ADisplaySwitchDuringTheWinningSlideKeepsTheWin) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(StepByKeys(i));
    }
    Send(Event::Command(CommandId::ToggleFullScreen));
    EXPECT_TRUE(Screen().WinPanel().visible);
    ExpectSpritesMatchBoard();
}

TEST_F(PieceSlideTest, AnimateZeroInSetIniPlacesPiecesAtOnce) {
    WriteSettings(false);
    // Read when a level starts.
    Click(Screen().LevelList().LevelButton(1));
    ASSERT_EQ(Board().steps, 0);
    ASSERT_NO_FATAL_FAILURE(StepByKeys(0));
    EXPECT_FALSE(Screen().Sliding());
    ExpectSpritesMatchBoard();
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_FALSE(Game().FrameDue());
    for (std::size_t i = 1; i < path.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(StepByKeys(i));
    }
    EXPECT_TRUE(Screen().WinPanel().visible) << "at the winning move";
}

} // namespace
} // namespace gametest
