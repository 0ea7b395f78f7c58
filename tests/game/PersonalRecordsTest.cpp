#include <gtest/gtest.h>

#include "game/PersonalRecords.h"

using namespace game;

namespace {

WinReport Win(int level, int steps, int fewest = WinReport::kUnknown, bool assisted = false) {
    return WinReport{level, steps, fewest, assisted};
}

TEST(PersonalRecordsTest, ABestIsNeverRaised) {
    PersonalRecords records;
    EXPECT_FALSE(records.Of(7).Cleared());
    EXPECT_TRUE(records.Record(Win(7, 30)));
    EXPECT_EQ(records.Of(7).best, 30);
    EXPECT_TRUE(records.Record(Win(7, 25))) << "fewer steps";
    EXPECT_FALSE(records.Record(Win(7, 28))) << "more steps than the best";
    EXPECT_FALSE(records.Record(Win(7, 25))) << "as many steps as the best";
    EXPECT_EQ(records.Of(7).best, 25);
    EXPECT_FALSE(records.Of(6).Cleared()) << "other levels keep their own records";
    EXPECT_FALSE(records.Of(8).Cleared());
}

TEST(PersonalRecordsTest, WinsThatCannotBeRecordedChangeNothing) {
    PersonalRecords records;
    for (const WinReport& win : {Win(0, 5), Win(268, 5), Win(-1, 5), Win(3, 0), Win(3, -4)}) {
        EXPECT_FALSE(records.Record(win)) << win.level << " in " << win.steps;
    }
    EXPECT_EQ(records, PersonalRecords{});
    EXPECT_FALSE(records.Of(0).Cleared());
    EXPECT_FALSE(records.Of(268).Cleared());
    EXPECT_TRUE(records.Record(Win(267, 2))) << "the last level is tracked";
    EXPECT_TRUE(records.Record(Win(1, 3))) << "the first level is tracked";
}

TEST(PersonalRecordsTest, EndlessPlayIsKeptAsTheLargestStoredCount) {
    PersonalRecords records;
    EXPECT_TRUE(records.Record(Win(2, 1'000'000)));
    EXPECT_EQ(records.Of(2).best, PersonalRecords::kMaxSteps);
    EXPECT_TRUE(PersonalRecords::Valid(records.Of(2)));
    EXPECT_FALSE(records.Record(Win(2, PersonalRecords::kMaxSteps + 1)));
}

TEST(PersonalRecordsTest, HintsCountForTheBestAndTheFlagRemembersAnyClearWithout) {
    PersonalRecords records;
    EXPECT_TRUE(records.Record(Win(4, 40, 20, true)));
    EXPECT_TRUE(records.Of(4).OnlyAssisted());
    EXPECT_TRUE(records.Record(Win(4, 30, 20, true))) << "an assisted clear still lowers the best";
    EXPECT_EQ(records.Of(4).best, 30);
    EXPECT_TRUE(records.Of(4).OnlyAssisted());

    EXPECT_TRUE(records.Record(Win(4, 50, 20, false))) << "the first clear without a hint";
    EXPECT_FALSE(records.Of(4).OnlyAssisted());
    EXPECT_EQ(records.Of(4).best, 30) << "a worse clear keeps the best";

    EXPECT_TRUE(records.Record(Win(4, 20, 20, true)));
    EXPECT_TRUE(records.Of(4).unassisted) << "the flag stays set for good";
    EXPECT_TRUE(records.Of(4).Perfect());
    EXPECT_FALSE(records.Record(Win(4, 20, 20, false)));
}

TEST(PersonalRecordsTest, TheFewestIsLearntFromWinsThatCanBeRight) {
    PersonalRecords records;
    EXPECT_TRUE(records.Record(Win(9, 30)));
    EXPECT_EQ(records.Of(9).fewest, WinReport::kUnknown);
    EXPECT_FALSE(records.Of(9).Perfect());
    EXPECT_TRUE(records.Record(Win(9, 35, 21))) << "a newly told fewest is a change";
    EXPECT_EQ(records.Of(9).fewest, 21);
    EXPECT_EQ(records.Of(9).best, 30);
    EXPECT_FALSE(records.Record(Win(9, 40))) << "an unknown fewest forgets nothing";
    EXPECT_EQ(records.Of(9).fewest, 21);
    EXPECT_FALSE(records.Record(Win(9, 31, 31))) << "no fewest lies above the best";
    EXPECT_FALSE(records.Record(Win(9, 31, 0)));
    EXPECT_EQ(records.Of(9).fewest, 21);
    EXPECT_TRUE(records.Record(Win(9, 21, 21)));
    EXPECT_TRUE(records.Of(9).Perfect());
}

TEST(PersonalRecordsTest, AKeptFewestAboveANewBestIsForgotten) {
    PersonalRecords records;
    ASSERT_TRUE(records.Set(5, LevelRecord{30, 25, true}));
    EXPECT_TRUE(records.Record(Win(5, 20)));
    EXPECT_EQ(records.Of(5).best, 20);
    EXPECT_EQ(records.Of(5).fewest, WinReport::kUnknown);
    EXPECT_TRUE(PersonalRecords::Valid(records.Of(5)));
}

TEST(PersonalRecordsTest, OnlyRecordsThatWinsCanMakeAreValid) {
    const int unknown = WinReport::kUnknown;
    for (const LevelRecord& valid :
         {LevelRecord{}, LevelRecord{1, unknown, false}, LevelRecord{30, 21, true},
          LevelRecord{21, 21, false}, LevelRecord{PersonalRecords::kMaxSteps, 1, true}}) {
        EXPECT_TRUE(PersonalRecords::Valid(valid)) << valid.best << "/" << valid.fewest;
    }
    for (const LevelRecord& invalid :
         {LevelRecord{0, 5, false}, LevelRecord{0, unknown, true}, LevelRecord{-3, unknown, true},
          LevelRecord{PersonalRecords::kMaxSteps + 1, unknown, true}, LevelRecord{20, 21, true},
          LevelRecord{20, 0, true}, LevelRecord{20, -7, true}}) {
        EXPECT_FALSE(PersonalRecords::Valid(invalid)) << invalid.best << "/" << invalid.fewest;
    }
    PersonalRecords records;
    EXPECT_FALSE(records.Set(3, LevelRecord{20, 21, true}));
    EXPECT_FALSE(records.Set(268, LevelRecord{20, 20, true}));
    EXPECT_EQ(records, PersonalRecords{});
}

} // namespace
