// The board screen's way to the fewest steps: the counter under the step counter, the hint and
// its arrow, and what a win reports.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ScreenFixture.h"
#include "puzzle/GridSteps.h"
#include "puzzle/Solver.h"

namespace {

class RouteGuideTest : public ScreenFixture {
protected:
    // Level 1 on `grid` and level 2 one step from its win, with the screen's timers and
    // reports recorded.
    void StartOn(const LevelFile::Grid& grid) {
        WriteImages();
        WriteImage("Graphic/Button/tishi.bmp", 350, 24, 0x707070);
        WriteLevel(1, grid);
        WriteLevel(2, MakeGrid({{2, 1, 2}}));
        Start();
        screen->timers.start = [this](int ms, const std::string& name) {
            started.emplace_back(ms, name);
        };
        screen->timers.stop = [this](const std::string& name) { stopped.push_back(name); };
        screen->onWon = [this](const WinReport& report) { reports.push_back(report); };
    }

    RouteGuide& Guide() { return screen->Guide(); }

    // Lets the table being worked out finish, and the next poll find it.
    void FinishTable() {
        play->FewestFromStart();
        screen->HandleTimerEvent(RouteGuide::kPollTimer);
    }

    // The counter's number, or -1 while it is blank.
    int Fewest() {
        const NumberDisplay& counter = Guide().fewestCounter;
        return counter.visible != 0 ? counter.value : -1;
    }

    // Presses on the piece, then on the cell beyond it in the direction.
    void Step(int piece, Direction d) {
        const Piece& p = board->pieces[static_cast<std::size_t>(piece)];
        PressCell(p.col, p.row);
        const int col = d == Direction::Right ? p.col + p.Columns() : p.col + ColumnDelta(d);
        const int row = d == Direction::Down ? p.row + p.Rows() : p.row + RowDelta(d);
        PressCell(col, row);
    }

    std::vector<std::pair<int, std::string>> started;
    std::vector<std::string> stopped;
    std::vector<WinReport> reports;
};

TEST_F(RouteGuideTest, CounterShowsTheSolversFewestAfterEveryStepOfARandomWalk) {
    StartOn(ClassicGrid());
    EXPECT_EQ(Fewest(), -1) << "blank while the table is worked out";
    screen->ShowBoard();
    EXPECT_EQ(Fewest(), -1);
    FinishTable();
    EXPECT_EQ(Fewest(), 116);
    EXPECT_EQ(stopped, std::vector<std::string>{RouteGuide::kPollTimer});

    std::mt19937 random(42);
    for (int i = 1; i <= 25; ++i) {
        std::vector<std::pair<int, Direction>> steps;
        GridSteps::Find(board->grid, [&steps](const GridSteps::Step& step) {
            steps.emplace_back(step.piece, step.direction);
            return false;
        });
        const auto [piece, direction] = steps[random() % steps.size()];
        Step(piece, direction);
        ASSERT_EQ(board->steps, i) << "piece " << piece;
        EXPECT_EQ(Fewest(), Solver::Solve(board->grid).steps) << "after step " << i;
    }
}

TEST_F(RouteGuideTest, HintMarksThePieceAndPointsItsWayUntilItsTimeIsUp) {
    // The big piece two rows above the goal row, left of it: it goes right first.
    StartOn(MakeGrid({{2, 0, 2}, {19, 3, 4}}));
    FinishTable();
    PressCell(3, 4);
    screen->ShowHint();
    ASSERT_TRUE(Guide().HintShown());
    EXPECT_EQ(VisibleFrames(), std::vector<Shape>{Shape::Small}) << "the selection stays framed";
    const Picture& mark = Guide().hintMark;
    EXPECT_TRUE(mark.visible);
    // Centred on the big piece: columns 0 and 1, rows 2 and 3.
    EXPECT_EQ(mark.x + mark.width / 2, 14 + 98);
    EXPECT_EQ(mark.y + mark.height / 2, 12 + 3 * 94);
    const Picture& arrow = Guide().hintArrow;
    EXPECT_EQ(arrow.currentFrame, 3) << "the frame pointing right";
    // Centred on column 2, rows 2 and 3: the cells the big piece moves into.
    EXPECT_EQ(arrow.x + arrow.width / 2, 14 + 2 * 98 + 49);
    EXPECT_EQ(arrow.y + arrow.height / 2, 12 + 3 * 94);
    EXPECT_GT(mark.z, screen->View().SelectionFrame(Shape::Small).z);
    EXPECT_GT(arrow.z, screen->View().SelectionFrame(Shape::Small).z);
    EXPECT_EQ(started.back(),
              std::make_pair(RouteGuide::kHintMs, std::string(RouteGuide::kHintTimer)));
    EXPECT_EQ(board->steps, 0) << "nothing moves by itself";
    EXPECT_EQ(board->grid, MakeGrid({{2, 0, 2}, {19, 3, 4}}));
    EXPECT_EQ(board->selected, 19) << "the player's selection stays";
    EXPECT_TRUE(play->Assisted());

    screen->HandleTimerEvent(RouteGuide::kHintTimer);
    EXPECT_FALSE(Guide().HintShown());
    EXPECT_FALSE(mark.visible);
    EXPECT_EQ(VisibleFrames(), std::vector<Shape>{Shape::Small});
    EXPECT_EQ(stopped.back(), RouteGuide::kHintTimer);

    // A press on an empty cell while a hint shows moves the framed piece, not the hinted one;
    // the move takes the hint away and updates the counter.
    screen->ShowHint();
    PressCell(3, 3);
    EXPECT_EQ(board->pieces[19].row, 3);
    EXPECT_EQ(board->pieces[2].col, 0);
    EXPECT_FALSE(Guide().HintShown());
    EXPECT_FALSE(mark.visible);
    EXPECT_EQ(Fewest(), 2);

    // After a display set-up no frame shows, and a hint ending then brings none back.
    screen->ShowHint();
    screen->BuildBoardScreen(Images());
    EXPECT_TRUE(VisibleFrames().empty());
    screen->HandleTimerEvent(RouteGuide::kHintTimer);
    EXPECT_TRUE(VisibleFrames().empty());
}

TEST_F(RouteGuideTest, NoHintWhereNoWinCanBeReached) {
    StartOn(JammedGrid());
    FinishTable();
    EXPECT_EQ(Fewest(), -1) << "blank: no number of steps wins";
    screen->ShowHint();
    EXPECT_FALSE(Guide().HintShown());
    EXPECT_TRUE(VisibleFrames().empty());
    EXPECT_FALSE(play->Assisted());
    EXPECT_TRUE(started.empty()) << "no hint timer";
}

TEST_F(RouteGuideTest, HintButtonAsksForTheHint) {
    StartOn(MakeGrid({{2, 1, 0}}));
    FinishTable();
    const Button& button = Guide().hintButton;
    ASSERT_GT(button.width, 0);
    const int clicks = Clicks();
    Click(button.screenX + button.width / 2, button.screenY + button.height / 2);
    ASSERT_TRUE(Guide().HintShown());
    EXPECT_EQ(Guide().hintArrow.currentFrame, 4) << "the frame pointing down";
    EXPECT_EQ(Clicks(), clicks + 1);
    EXPECT_EQ(board->steps, 0);
}

TEST_F(RouteGuideTest, WinReportsStepsFewestAndWhetherAHintWasTaken) {
    // Three steps down win; a step right and back first makes five.
    StartOn(MakeGrid({{2, 1, 0}}));
    FinishTable();
    EXPECT_EQ(Fewest(), 3);
    Step(2, Direction::Right);
    Step(2, Direction::Left);
    for (int i = 0; i < 3; ++i) {
        Step(2, Direction::Down);
    }
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].level, 1);
    EXPECT_EQ(reports[0].steps, 5);
    EXPECT_EQ(reports[0].fewest, 3);
    EXPECT_FALSE(reports[0].assisted);
    EXPECT_EQ(screen->WinPanel().tally.steps.value, 5);
    EXPECT_EQ(screen->WinPanel().tally.fewest.value, 3);
    EXPECT_EQ(screen->WinPanel().tally.fewest.visible, 1);
    screen->ShowHint();
    EXPECT_FALSE(Guide().HintShown()) << "no hint once the level is won";

    // Again with a hint followed: assisted, whatever the steps.
    screen->WinPanel().SetVisible(0);
    screen->StartLevel(1);
    EXPECT_FALSE(play->Assisted()) << "a new attempt starts unassisted";
    FinishTable();
    screen->ShowHint();
    for (int i = 0; i < 3; ++i) {
        Step(2, Direction::Down);
    }
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].steps, 3);
    EXPECT_EQ(reports[1].fewest, 3);
    EXPECT_TRUE(reports[1].assisted);

    // The win waits for a table still being worked out rather than report it unknown.
    screen->WinPanel().SetVisible(0);
    screen->StartLevel(2);
    Step(2, Direction::Down);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[2].level, 2);
    EXPECT_EQ(reports[2].fewest, 1);
    EXPECT_FALSE(reports[2].assisted) << "the hint of level 1 does not carry over";
}

} // namespace
