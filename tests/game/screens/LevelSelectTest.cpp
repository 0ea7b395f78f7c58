#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "ScreenFixture.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace puzzle;
using namespace game;

namespace {

using LevelSelectTest = ScreenFixture;

// The screen position of the centre of the level button in row k of the page.
constexpr int kLevelButtonX = 540;
int LevelButtonY(int k) {
    return 148 + 33 * k;
}
constexpr int kPrevListX = 454;
constexpr int kNextListX = 624;
constexpr int kListArrowY = 80;

std::vector<int> VisibleLevels(LevelSelect& list) {
    std::vector<int> levels;
    for (int n = 1; n <= kLevelCount; ++n) {
        if (list.LevelButton(n).visible != 0 && list.LevelName(n).visible != 0) {
            levels.push_back(n);
        }
    }
    return levels;
}

TEST_F(LevelSelectTest, PagesAreBoundedByMaxboardAndByTheLastLevel) {
    struct Case {
        std::optional<int> maxboard;
        int lastPage;
        std::vector<int> lastLevels;
    };
    const Case cases[] = {{std::nullopt, 1, {1, 2, 3, 4, 5}},
                          {1, 1, {1, 2, 3, 4, 5}},
                          {5, 2, {6, 7, 8, 9, 10}},
                          {266, 54, {266, 267}},
                          {300, 54, {266, 267}}};
    WriteImages();
    WriteLevels();
    for (const Case& c : cases) {
        Dir().Write("set.ini", c.maxboard ? "[board]\nmaxboard=" + std::to_string(*c.maxboard)
                                          : std::string("[board]\n"));
        Start();
        LevelSelect& list = screen->LevelList();
        Click(kPrevListX, kListArrowY);
        EXPECT_EQ(list.Page(), 1);
        for (int i = 0; i < 60; ++i) {
            Click(kNextListX, kListArrowY);
        }
        EXPECT_EQ(list.Page(), c.lastPage);
        EXPECT_EQ(VisibleLevels(list), c.lastLevels);
        EXPECT_NE(list.NextListButton().currentFrame, 4) << "never shown disabled";
    }
}

TEST_F(LevelSelectTest, ChoosingALevelShowsItWithNoStepsAndLeavesTheWinPanel) {
    WriteImages();
    WriteLevels();
    Start();
    PressCell(0, 1);
    PressCell(0, 4);
    ASSERT_EQ(board->steps, 1);
    screen->WinPanel().SetVisible(1);

    Press(kLevelButtonX, LevelButtonY(1));
    EXPECT_EQ(Clicks(), 0) << "level buttons are silent";
    Send(kMouseLeftUp, kLevelButtonX, LevelButtonY(1));
    EXPECT_EQ(board->level, 2);
    EXPECT_EQ(board->steps, 0);
    EXPECT_EQ(screen->StepCounter().value, 0);
    EXPECT_EQ(screen->Sprite(19).visible, 1);
    EXPECT_EQ(screen->Sprite(19).y, 12 + 94 * 4);
    EXPECT_EQ(screen->Sprite(20).visible, 0);
    EXPECT_EQ(screen->WinPanel().visible, 1);

    Press(kNextListX, kListArrowY);
    EXPECT_EQ(Clicks(), 1) << "arrows click";
}

TEST_F(LevelSelectTest, MarksFollowTheClearedTableOnTheNextFrame) {
    WriteImages();
    WriteLevels();
    Start();
    Draw();
    EXPECT_EQ(BackPixel(565, 370), Pixel(kNotPassed));
    EXPECT_EQ(BackPixel(612, 386), Pixel(kNotPassed));
    EXPECT_EQ(BackPixel(514, 375), Pixel(kLine));
    EXPECT_EQ(BackPixel(564, 375), Pixel(kLine));

    PressCell(1, 2);
    PressCell(1, 4);
    ASSERT_EQ(board->cleared[1], 1);
    Draw();
    EXPECT_EQ(BackPixel(565, 370), Pixel(kPassed));
    EXPECT_EQ(BackPixel(565, 390), Pixel(kNotPassed)) << "level 2 is still to do";
}

} // namespace
