#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "TempDir.h"
#include "game/screens/LeaderboardFile.h"

using namespace game;

namespace {

using Name = std::array<char, LeaderboardFile::kNameBytes>;

Name MakeName(std::string_view text) {
    Name name{};
    std::memcpy(name.data(), text.data(), std::min(text.size(), name.size()));
    return name;
}

LeaderboardFile::Table Scores(std::initializer_list<int> scores) {
    LeaderboardFile::Table table{};
    int r = 0;
    for (const int score : scores) {
        table[r].score = score;
        table[r].name = MakeName("p" + std::to_string(r));
        ++r;
    }
    return table;
}

TEST(LeaderboardFileTest, MissingFileGetsTheDefaultTableAndExistingFilesAreKept) {
    TempDir dir;
    const std::string path = dir.File("st.data");
    LeaderboardFile::CreateIfMissing(path);
    const std::string bytes = dir.Read("st.data");
    ASSERT_EQ(bytes.size(), 180u);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(bytes.substr(18 * r, 18), std::string("\0\0\0\0TOvak\0\0\0\0\0\0\0\0\0", 18));
    }
    dir.Write("st.data", "odd");
    LeaderboardFile::CreateIfMissing(path);
    EXPECT_EQ(dir.Read("st.data"), "odd");
}

TEST(LeaderboardFileTest, ResultsGoBelowEveryRecordWithAtLeastTheirScore) {
    TempDir dir;
    const std::string path = dir.File("st.data");
    LeaderboardFile::CreateIfMissing(path);
    EXPECT_EQ(LeaderboardFile::Submit(path, 1, MakeName("abc")), 0);
    LeaderboardFile::Table table{};
    ASSERT_TRUE(LeaderboardFile::Read(path, table));
    EXPECT_EQ(LeaderboardFile::NameText(table[0]), "abc");
    EXPECT_EQ(table[0].score, 1);
    EXPECT_EQ(LeaderboardFile::NameText(table[9]), "TOvak");

    dir.Write("st.data", LeaderboardFile::Encode(Scores({90, 80, 70, 60, 50, 40, 30, 20, 10, 5})));
    EXPECT_EQ(LeaderboardFile::Submit(path, 60, MakeName("new")), 4) << "below the older 60";
    ASSERT_TRUE(LeaderboardFile::Read(path, table));
    EXPECT_EQ(LeaderboardFile::NameText(table[3]), "p3");
    EXPECT_EQ(LeaderboardFile::NameText(table[4]), "new");
    EXPECT_EQ(LeaderboardFile::NameText(table[9]), "p8") << "the last record dropped out";

    const std::string before = dir.Read("st.data");
    EXPECT_EQ(LeaderboardFile::Submit(path, 10, MakeName("low")), -1);
    EXPECT_EQ(dir.Read("st.data"), before) << "not above the last: byte for byte unchanged";
}

TEST(LeaderboardFileTest, FullLengthNamesAreShownWholeAndMovedUnchanged) {
    TempDir dir;
    const std::string path = dir.File("st.data");
    LeaderboardFile::Table table = Scores({9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    table[0].name = MakeName("ABCDEFGHIJKLMN"); // 14 bytes, no terminator
    dir.Write("st.data", LeaderboardFile::Encode(table));
    ASSERT_TRUE(LeaderboardFile::Read(path, table));
    EXPECT_EQ(LeaderboardFile::NameText(table[0]), "ABCDEFGHIJKLMN");
    ASSERT_EQ(LeaderboardFile::Submit(path, 10, MakeName("top")), 0);
    EXPECT_EQ(dir.Read("st.data").substr(22, 14), "ABCDEFGHIJKLMN");
}

TEST(LeaderboardFileTest, ShortOrMissingFilesNeverCrashAndMissingOnesDropTheResult) {
    TempDir dir;
    EXPECT_EQ(LeaderboardFile::Submit(dir.File("none"), 5, MakeName("x")), -1);
    EXPECT_FALSE(dir.Exists("none"));
    dir.Write("short", std::string("\x07\0\0\0ab", 6));
    LeaderboardFile::Table table{};
    ASSERT_TRUE(LeaderboardFile::Read(dir.File("short"), table));
    EXPECT_EQ(table[0].score, 7);
    EXPECT_EQ(LeaderboardFile::NameText(table[0]), "ab");
    EXPECT_EQ(table[1].score, 0);
    EXPECT_EQ(LeaderboardFile::Submit(dir.File("short"), 3, MakeName("c")), 1);
    EXPECT_EQ(dir.Read("short").size(), 180u) << "rewritten whole";
}

// The scores of a table, best first.
std::vector<int> ScoresOf(const LeaderboardFile::Table& table) {
    std::vector<int> scores;
    for (const LeaderboardFile::Record& record : table) {
        scores.push_back(record.score);
    }
    return scores;
}

TEST(LeaderboardFileTest, ASittingThatEntersAgainKeepsOneRowWithItsHigherScore) {
    using Record = LeaderboardFile::Record;
    LeaderboardFile::Table table = Scores({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
    const Record first{35, MakeName("me")};
    ASSERT_EQ(LeaderboardFile::Place(table, first, std::nullopt), 6);
    const Record again{75, MakeName("me too")};
    EXPECT_EQ(LeaderboardFile::Place(table, again, first), 2);
    EXPECT_EQ(ScoresOf(table), (std::vector<int>{90, 80, 75, 70, 60, 50, 40, 30, 20, 10}))
        << "the earlier row left, so the 10 it pushed out is back in its place";
    EXPECT_EQ(std::count(table.begin(), table.end(), first), 0);

    const LeaderboardFile::Table before = table;
    EXPECT_EQ(LeaderboardFile::Place(table, Record{60, MakeName("me too")}, again), -1)
        << "a lower total never replaces a higher one";
    EXPECT_EQ(LeaderboardFile::Place(table, Record{75, MakeName("me too")}, again), -1);
    EXPECT_EQ(table, before);

    // An earlier row that has left the table since: an ordinary entry.
    EXPECT_EQ(LeaderboardFile::Place(table, Record{15, MakeName("late")}, first), 9);
    EXPECT_EQ(table[9], (Record{15, MakeName("late")}));

    // The last row itself, beating nothing above it: it stays last with its new score.
    table = Scores({9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    EXPECT_EQ(LeaderboardFile::Place(table, Record{1, MakeName("p9")}, table[9]), 9);
    EXPECT_EQ(ScoresOf(table), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 1}));
}

} // namespace
