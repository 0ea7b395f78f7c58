#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "ScreenFixture.h"
#include "core/TimerRegistry.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

namespace {

using BoardScreenTest = ScreenFixture;

std::pair<int, int> At(const Element& element) {
    return {element.x, element.y};
}

// Where the sprite of a piece anchored at (col, row) stands on the board panel.
std::pair<int, int> CellOnPanel(int col, int row) {
    return {14 + 98 * col, 12 + 94 * row};
}

TEST_F(BoardScreenTest, PressesSelectOnePieceAtATimeAndMoveItOneCell) {
    WriteImages();
    WriteLevels();
    Start();
    PressCell(1, 0);
    EXPECT_TRUE(VisibleFrames().empty()) << "an empty cell with nothing selected";
    EXPECT_EQ(board->steps, 0);

    PressCell(3, 0);
    EXPECT_EQ(VisibleFrames(), std::vector<Shape>{Shape::Erect});
    PressCell(0, 0);
    ASSERT_EQ(VisibleFrames(), std::vector<Shape>{Shape::Small}) << "the upright frame is gone";
    EXPECT_EQ(At(screen->View().SelectionFrame(Shape::Small)), CellOnPanel(0, 0));
    EXPECT_EQ(screen->View().SelectionFrame(Shape::Small).z, 100u);

    PressCell(0, 3);
    EXPECT_EQ(board->steps, 0) << "soldier 20 is in the way";
    EXPECT_EQ(At(screen->View().Sprite(19)), CellOnPanel(0, 0));
    EXPECT_EQ(screen->View().StepCounter().value, 0);

    PressCell(0, 1);
    PressCell(0, 4);
    EXPECT_EQ(board->steps, 1) << "one cell per press";
    EXPECT_EQ(screen->View().StepCounter().value, 1);
    EXPECT_EQ(At(screen->View().Sprite(20)), CellOnPanel(0, 2));
    EXPECT_EQ(VisibleFrames(), std::vector<Shape>{Shape::Small});
    EXPECT_EQ(At(screen->View().SelectionFrame(Shape::Small)), CellOnPanel(0, 2));
    EXPECT_EQ(Clicks(), 0) << "the board itself makes no sound";
}

TEST_F(BoardScreenTest, WinningShowsThePanelWhoseNextButtonLoadsTheFollowingLevel) {
    WriteImages();
    WriteLevels();
    Start();
    PressCell(1, 2);
    PressCell(1, 4);
    ASSERT_EQ(screen->WinPanel().visible, 1);
    EXPECT_EQ(board->cleared[1], 1);

    Click(340, 349);
    EXPECT_EQ(board->level, 2);
    EXPECT_EQ(board->steps, 0);
    EXPECT_EQ(screen->View().StepCounter().value, 0);
    EXPECT_EQ(screen->WinPanel().visible, 0);
    EXPECT_EQ(screen->View().Sprite(19).visible, 1);
    EXPECT_EQ(At(screen->View().Sprite(19)), CellOnPanel(0, 4));
    EXPECT_EQ(screen->View().Sprite(20).visible, 0) << "level 2 has no soldier 20";
    EXPECT_EQ(Clicks(), 1) << "the press on the button";

    screen->WinPanel().SetVisible(1);
    Click(480, 349);
    EXPECT_EQ(screen->WinPanel().visible, 0) << "the close button";
    EXPECT_EQ(board->level, 2);
}

// The game counts wins and offers the name entry from these reports alone.
TEST_F(BoardScreenTest, WinIsReportedWhenThePanelComesUpAndCloseWhenItIsClosed) {
    WriteImages();
    WriteLevels();
    Start();
    int wins = 0;
    int closes = 0;
    screen->onWon = [&wins](const WinReport&) { ++wins; };
    screen->onWinClosed = [&closes] { ++closes; };
    PressCell(1, 2);
    EXPECT_EQ(wins, 0) << "a selection wins nothing";
    PressCell(1, 4);
    ASSERT_EQ(screen->WinPanel().visible, 1);
    EXPECT_EQ(wins, 1);
    EXPECT_EQ(closes, 0);

    Click(480, 349);
    EXPECT_EQ(screen->WinPanel().visible, 0);
    EXPECT_EQ(closes, 1);
    Click(340, 349);
    EXPECT_EQ(board->level, 1) << "the hidden panel's next button does nothing";

    // Won again with the panel still up from an earlier win: a win of its own.
    screen->StartLevel(1);
    screen->WinPanel().SetVisible(1);
    PressCell(1, 2);
    PressCell(1, 4);
    EXPECT_EQ(board->state, puzzle::PlayState::Finished);
    EXPECT_EQ(wins, 2);
    Click(340, 349);
    EXPECT_EQ(board->level, 2);
    EXPECT_EQ(closes, 1) << "moving on is no close";
}

TEST_F(BoardScreenTest, Level266LeadsToTheLastLevelWhichHasNoNext) {
    WriteImages();
    WriteLevel(266, MakeGrid({{2, 1, 0}}));
    WriteLevel(267, MakeGrid({{2, 0, 0}}));
    Start(266);
    screen->WinPanel().SetVisible(1);
    Click(340, 349);
    EXPECT_EQ(board->level, 267);
    EXPECT_EQ(screen->WinPanel().visible, 0);

    screen->WinPanel().SetVisible(1);
    Click(340, 349);
    EXPECT_EQ(board->level, 267);
    EXPECT_EQ(screen->WinPanel().visible, 1);
}

TEST_F(BoardScreenTest, HelpArrowsTurnThePagesAndAreEnabledOnlyWhereThereIsAPage) {
    WriteImages();
    WriteLevels();
    Start();
    struct Step {
        int x;
        int page;
        int prevEnabled;
        int nextEnabled;
    };
    const int prev = 676;
    const int next = 776;
    const Step steps[] = {{next, 2, 1, 1}, {next, 3, 1, 0}, {next, 3, 1, 0},
                          {prev, 2, 1, 1}, {prev, 1, 0, 1}, {prev, 1, 0, 1}};
    HelpPanel& help = screen->Help();
    EXPECT_EQ(help.prevPageButton.enabled, 0);
    for (const Step& step : steps) {
        Click(step.x, 499);
        EXPECT_EQ(help.Page(), step.page);
        EXPECT_EQ(help.prevPageButton.enabled, step.prevEnabled);
        EXPECT_EQ(help.nextPageButton.enabled, step.nextEnabled);
    }
    EXPECT_EQ(Clicks(), 4) << "a disabled arrow takes no press";

    Click(next, 499);
    screen->BuildBoardScreen(Images());
    EXPECT_EQ(help.Page(), 1) << "a rebuild starts on page 1";
    EXPECT_EQ(help.prevPageButton.enabled, 0);
}

TEST_F(BoardScreenTest, ExitClosesOnTheReleaseAloneAndLinksOpenOnThePress) {
    WriteImages();
    WriteLevels();
    Start();
    int exits = 0;
    screen->onExit = [&exits] { ++exits; };
    Press(515, 569);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(Clicks(), 0);
    Press(700, 300);
    Send(kMouseLeftUp, 515, 569);
    EXPECT_EQ(exits, 1);

    Press(300, 569);
    Dir().Write("set.ini", "[website]\nweb1=https://one.example\nweb2=https://two.example\n");
    Press(90, 569);
    Press(300, 569);
    EXPECT_EQ(platform.opener.opened,
              (std::vector<std::string>{"1", "https://one.example", "https://two.example"}));
    EXPECT_EQ(Clicks(), 3);
}

TEST_F(BoardScreenTest, AfterARebuildNoFrameShowsButTheSelectionStillMoves) {
    WriteImages();
    WriteLevels();
    Start();
    PressCell(0, 1);
    screen->BuildBoardScreen(Images());
    EXPECT_TRUE(VisibleFrames().empty());
    EXPECT_EQ(board->selected, 20);

    PressCell(0, 4);
    EXPECT_EQ(board->steps, 1);
    EXPECT_EQ(VisibleFrames(), std::vector<Shape>{Shape::Small});
    EXPECT_EQ(At(screen->View().SelectionFrame(Shape::Small)), CellOnPanel(0, 2));
}

TEST_F(BoardScreenTest, SpritesLandOnTheirCellsWithTheFrameOnTop) {
    WriteImages();
    WriteLevels();
    Start();
    Draw();
    struct Placed {
        int number, col, row, width, height;
    };
    for (const Placed& p : {Placed{19, 0, 0, 98, 94}, Placed{20, 0, 1, 98, 94},
                            Placed{2, 1, 2, 196, 188}, Placed{4, 3, 0, 98, 188}}) {
        const int left = 14 + 98 * p.col;
        const int top = 36 + 94 * p.row;
        EXPECT_EQ(BackPixel(left, top), Pixel(SpriteColour(p.number))) << p.number;
        EXPECT_EQ(BackPixel(left + p.width - 1, top + p.height - 1), Pixel(SpriteColour(p.number)))
            << p.number;
    }
    EXPECT_EQ(BackPixel(13, 36), Pixel(kDesk));
    EXPECT_EQ(BackPixel(14, 35), Pixel(kDesk));

    PressCell(3, 0);
    Draw();
    EXPECT_EQ(BackPixel(14 + 98 * 3, 36), Pixel(kFrame));
}

TEST_F(BoardScreenTest, WithoutAnyImageTheBoardStillPlays) {
    WriteLevels();
    Start();
    PressCell(0, 1);
    PressCell(0, 4);
    EXPECT_EQ(board->steps, 1);
    EXPECT_EQ(screen->View().StepCounter().value, 1);
    EXPECT_EQ(At(screen->View().Sprite(20)), CellOnPanel(0, 2));
    Send(kMouseMove, 515, 569);
    Draw();
    EXPECT_EQ(BackPixel(14, 36), 0) << "nothing to draw";
}

TEST_F(BoardScreenTest, NameEntryButtonsClickOnceAndReportTheAnswer) {
    ASSERT_EQ(app.Init("", 800, 600, platform.ExecutablePath(), "1", "227", "icon",
                       "Software\\qelvo\\InstalledGame\\227", "Tovak Marudo", 108, 102),
              Application::InitResult::Run);
    WriteImages();
    WriteLevels();
    Start();
    screen->BuildBoardScreen(Images());
    int answers = 0;
    screen->onEntryAnswered = [&answers] { ++answers; };
    const auto& listeners = app.CharListeners();
    EXPECT_EQ(std::count(listeners.begin(), listeners.end(), &screen->Entry()), 1)
        << "registered once however often the images are loaded";

    Click(321, 279);
    EXPECT_EQ(answers, 0) << "the entry is hidden";
    screen->Entry().SetVisible(1);
    Press(321, 279);
    EXPECT_EQ(Clicks(), 1);
    Send(kMouseLeftUp, 321, 279);
    EXPECT_EQ(screen->Entry().visible, 0);
    EXPECT_EQ(answers, 1);

    // The cancel button lies over the page's fifth level button: the entry takes the click.
    screen->Entry().SetVisible(1);
    Click(500, 280);
    EXPECT_EQ(screen->Entry().visible, 0) << "cancelled";
    EXPECT_EQ(answers, 2);
    EXPECT_EQ(board->level, 1) << "the level button under the entry stayed still";
}

} // namespace

namespace {

// A winning press with a clock: the level is won at the press, the piece and its frame slide in
// the board panel's coordinates, and the panel waits for the piece.
TEST_F(BoardScreenTest, WithAClockTheWinningPieceSlidesBeforeThePanelComesUp) {
    WriteImages();
    WriteLevels();
    Start(1, &platform.clock);
    int wins = 0;
    screen->onWon = [&wins](const WinReport&) { ++wins; };
    PressCell(1, 2);
    PressCell(1, 4);
    EXPECT_EQ(board->cleared[1], 1);
    EXPECT_EQ(wins, 1);
    EXPECT_EQ(screen->WinPanel().visible, 0);
    EXPECT_EQ(At(screen->View().Sprite(2)), CellOnPanel(1, 2));

    platform.clock.Advance(45);
    Draw();
    const std::pair<int, int> half{CellOnPanel(1, 2).first, CellOnPanel(1, 2).second + 82};
    EXPECT_EQ(At(screen->View().Sprite(2)), half) << "94 * 7 / 8 rounded, half the time in";
    EXPECT_EQ(At(screen->View().SelectionFrame(Shape::Big)), half);
    EXPECT_EQ(screen->WinPanel().visible, 0);
    EXPECT_EQ(display->BackBuffer()->Row(36 + 94 * 2 + 82 + 40)[14 + 98 + 40], Pixel(kFrame))
        << "drawn where it stands";

    platform.clock.Advance(45);
    Draw();
    EXPECT_EQ(At(screen->View().Sprite(2)), CellOnPanel(1, 3));
    EXPECT_EQ(screen->WinPanel().visible, 1);
    EXPECT_EQ(wins, 1);
}

TEST_F(BoardScreenTest, ALevelStartDropsASlideAndTheWinPanelItWasBringing) {
    WriteImages();
    WriteLevels();
    Start(1, &platform.clock);
    PressCell(1, 2);
    PressCell(1, 4);
    ASSERT_TRUE(screen->Sliding());
    screen->StartLevel(2);
    EXPECT_FALSE(screen->Sliding());
    platform.clock.Advance(200);
    Draw();
    EXPECT_EQ(screen->WinPanel().visible, 0);
    EXPECT_EQ(At(screen->View().Sprite(2)), CellOnPanel(1, 0)) << "level 2's big piece stays put";
}

TEST_F(BoardScreenTest, AnimateZeroMakesAScreenWithAClockPlacePiecesAtOnce) {
    WriteImages();
    WriteLevels();
    Dir().Write("set.ini", "[set]\nanimate=0\n");
    Start(1, &platform.clock);
    PressCell(0, 1);
    PressCell(0, 4);
    EXPECT_FALSE(screen->Sliding());
    EXPECT_EQ(At(screen->View().Sprite(20)), CellOnPanel(0, 2));
}

} // namespace
