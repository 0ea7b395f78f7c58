#include <gtest/gtest.h>

#include <cstring>

#include "TempDir.h"
#include "services/LeaderboardFile.h"

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

} // namespace
