#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "ScreenFixture.h"
#include "puzzle/ProgressFile.h"

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
    EXPECT_EQ(screen->View().StepCounter().value, 0);
    EXPECT_EQ(screen->View().Sprite(19).visible, 1);
    EXPECT_EQ(screen->View().Sprite(19).y, 12 + 94 * 4);
    EXPECT_EQ(screen->View().Sprite(20).visible, 0);
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

// The records of page 1: level 1 won in its fewest steps without a hint, level 2 won with the
// fewest unknown but no longer in the progress file (the player started over), level 3 won only
// with hints in more steps than are shown, level 4 cleared before records were kept, level 5
// still to do.
TEST_F(LevelSelectTest, RowsShowEachRecordAgainstItsFewestWithItsMarks) {
    WriteImages();
    WriteLevels();
    Dir().Write("Rest.pa", ProgressFile::Encode({1, 3, 4}));
    Start();
    PersonalRecords records;
    records.Set(1, LevelRecord{21, 21, true});
    records.Set(2, LevelRecord{34, WinReport::kUnknown, true});
    records.Set(3, LevelRecord{1234, 40, false});
    LevelSelect& list = screen->LevelList();
    list.ShowRecords(&records);
    Draw();

    const auto expectText = [this](int row, int left, const std::vector<int>& frames) {
        const int y = 375 + 20 * row;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(BackPixel(left + 5 * static_cast<int>(i), y),
                      Pixel(RecordGlyphColour(frames[i])))
                << "row " << row << " glyph " << i;
        }
        EXPECT_EQ(BackPixel(left + 5 * static_cast<int>(frames.size()), y), Pixel(kDesk))
            << "a gap before the mark";
        EXPECT_EQ(BackPixel(left - 3, y), Pixel(kLine)) << "the line ends two pixels before";
        EXPECT_EQ(BackPixel(left - 2, y), Pixel(kDesk));
        EXPECT_EQ(BackPixel(left - 1, y), Pixel(kDesk));
    };
    expectText(0, 538, {3, 2, 11, 3, 2});
    expectText(1, 553, {4, 5});
    expectText(2, 533, {10, 10, 10, 11, 5, 1});
    EXPECT_EQ(BackPixel(565, 370), Pixel(kPassed));
    EXPECT_EQ(BackPixel(565, 390), Pixel(kNotPassed)) << "passed only by the progress file";
    EXPECT_EQ(BackPixel(565, 410), Pixel(kAssisted)) << "cleared only with hints";
    EXPECT_EQ(BackPixel(565, 430), Pixel(kPassed)) << "cleared with no record";
    EXPECT_EQ(BackPixel(565, 450), Pixel(kNotPassed));
    for (const int row : {3, 4}) {
        EXPECT_EQ(BackPixel(564, 375 + 20 * row), Pixel(kLine)) << "no record: the whole line";
    }
    EXPECT_EQ(BackPixel(616, 371), Pixel(kSeal));
    EXPECT_EQ(BackPixel(630, 385), Pixel(kSeal));
    for (const int row : {1, 2, 3, 4}) {
        EXPECT_EQ(BackPixel(620, 375 + 20 * row), Pixel(kDesk)) << "no seal on row " << row;
    }

    list.ShowRecords(nullptr);
    Draw();
    EXPECT_EQ(BackPixel(565, 370), Pixel(kPassed));
    EXPECT_EQ(BackPixel(564, 375), Pixel(kLine));
    EXPECT_EQ(BackPixel(620, 375), Pixel(kDesk));
}

TEST_F(LevelSelectTest, ALaterPageShowsTheRecordsOfItsOwnLevels) {
    WriteImages(1, 10);
    WriteLevels();
    Dir().Write("set.ini", "[board]\nmaxboard=5\n");
    Dir().Write("Rest.pa", ProgressFile::Encode({7}));
    Start();
    PersonalRecords records;
    records.Set(2, LevelRecord{8, 8, true});
    records.Set(7, LevelRecord{12, 10, true});
    screen->LevelList().ShowRecords(&records);
    // As after the game's loading: only the page shown keeps its pixels drawable.
    screen->LevelList().ShelveHiddenPages();
    Click(kNextListX, kListArrowY);
    ASSERT_EQ(screen->LevelList().Page(), 2);
    Draw();
    EXPECT_EQ(BackPixel(kLevelButtonX, LevelButtonY(1)), Pixel(0x585858)) << "level 7's button";
    EXPECT_EQ(BackPixel(565, 390), Pixel(kPassed)) << "level 7, second row";
    EXPECT_EQ(BackPixel(538, 395), Pixel(RecordGlyphColour(2)));
    EXPECT_EQ(BackPixel(620, 395), Pixel(kDesk)) << "level 2's seal stays on page 1";
    EXPECT_EQ(BackPixel(565, 370), Pixel(kNotPassed)) << "level 6";
    Click(kPrevListX, kListArrowY);
    Draw();
    EXPECT_EQ(BackPixel(kLevelButtonX, LevelButtonY(1)), Pixel(0x585858))
        << "level 2's button, back on page 1";
}

TEST(RecordMarksTest, TheTextIsTheBestThenTheFewestWhenKnown) {
    EXPECT_TRUE(RecordMarks::Glyphs(LevelRecord{}).empty());
    EXPECT_EQ(RecordMarks::Glyphs(LevelRecord{7, WinReport::kUnknown, true}),
              (std::vector<int>{8}));
    EXPECT_EQ(RecordMarks::Glyphs(LevelRecord{109, 90, true}),
              (std::vector<int>{2, 1, 10, 11, 10, 1}));
    EXPECT_EQ(RecordMarks::Glyphs(LevelRecord{PersonalRecords::kMaxSteps, 1000, false}),
              (std::vector<int>{10, 10, 10, 11, 10, 10, 10}))
        << "numbers above 999 are shown as 999";
    // The widest text still leaves the line a start beside the name.
    RecordMarks marks;
    const LevelRecord widest{PersonalRecords::kMaxSteps, 1000, true};
    EXPECT_GE(marks.TextLeft(widest) - RecordMarks::kGap, Layout::Of(Image::RecordDigits).x);
    EXPECT_EQ(marks.TextLeft(LevelRecord{}), Layout::Of(Image::PassedMark).x);
}

} // namespace
