#include <gtest/gtest.h>

#include "TempDir.h"
#include "level-set/LevelSetFile.h"
#include "puzzle/LevelBuilder.h"

using namespace puzzle;

namespace {

// The classic opening as the file shows it.
constexpr const char* kClassicLevel = "level 1 steps 116 name 开局\n"
                                      "D B - F\n"
                                      "| | + |\n"
                                      "G C - H\n"
                                      "| A S |\n"
                                      "T . . U\n";

LevelSetFile::Level Level(int number, const char* name, int steps, LevelFile::Grid grid) {
    LevelSetFile::Level level;
    level.number = number;
    level.name = name;
    level.steps = steps;
    level.grid = grid;
    return level;
}

TEST(LevelSetFileTest, PictureShowsAnchorsAndCoveredCells) {
    const auto rows = LevelSetFile::Picture(ClassicGrid());
    const std::array<std::string, kRows> expected = {"D B - F", "| | + |", "G C - H", "| A S |",
                                                     "T . . U"};
    EXPECT_EQ(rows, expected);
    const LevelSetFile::Result read = LevelSetFile::Parse(kClassicLevel);
    ASSERT_TRUE(read.Ok()) << read.error;
    ASSERT_EQ(read.levels.size(), 1u);
    EXPECT_EQ(read.levels[0].grid, ClassicGrid());
    EXPECT_EQ(read.levels[0].steps, 116);
    EXPECT_EQ(read.levels[0].name, "开局");
}

TEST(LevelSetFileTest, LettersCoverEveryPieceNumber) {
    for (int number = 1; number <= kMaxPieceNumber; ++number) {
        EXPECT_EQ(LevelSetFile::NumberOf(LevelSetFile::LetterOf(number)), number);
    }
    EXPECT_EQ(LevelSetFile::LetterOf(27), 'a');
    EXPECT_EQ(LevelSetFile::LetterOf(31), 'e');
    for (const char other : {'f', 'z', '.', '-', '|', '+', '0', '@'}) {
        EXPECT_EQ(LevelSetFile::NumberOf(other), 0) << other;
    }
}

TEST(LevelSetFileTest, FormatThenParseGivesTheSameSet) {
    const std::vector<LevelSetFile::Level> levels = {
        Level(1, "一", 3, MakeGrid({{2, 0, 1}, {31, 3, 4}, {18, 2, 0}})),
        Level(2, "围魏救赵", 116, ClassicGrid()),
        Level(3, "按兵", 0, MakeGrid({{2, 0, 0}, {17, 3, 0}, {27, 0, 2}})),
    };
    std::string text = LevelSetFile::Format(levels);
    EXPECT_EQ(text.front(), '#') << "the header comment comes first";
    // Windows line ends, a byte order mark and stray comments are read as well.
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    for (const std::string& variant :
         {text, crlf, "\xEF\xBB\xBF" + text, text + "\n# trailing comment\n\n"}) {
        const LevelSetFile::Result read = LevelSetFile::Parse(variant);
        ASSERT_TRUE(read.Ok()) << read.error;
        ASSERT_EQ(read.levels.size(), levels.size());
        for (std::size_t i = 0; i < levels.size(); ++i) {
            EXPECT_EQ(read.levels[i].number, levels[i].number);
            EXPECT_EQ(read.levels[i].name, levels[i].name);
            EXPECT_EQ(read.levels[i].steps, levels[i].steps);
            EXPECT_EQ(read.levels[i].grid, levels[i].grid);
        }
    }
}

TEST(LevelSetFileTest, MalformedTextGivesTheLineAndTheReason) {
    const std::string classic = kClassicLevel;
    const std::string second = "\nlevel 2 steps 3 name 二\nB - . .\n| + . .\n. . . .\n"
                               ". . . .\n. . . .\n";
    struct Case {
        std::string text;
        const char* error;
    };
    const Case cases[] = {
        {"", "line 1: no levels"},
        {"# only a comment\n", "no levels"},
        {"level one steps 116 name 开局\n", "line 1: expected level number 1"},
        {"level 2 steps 116 name 开局\n", "line 1: expected level number 1"},
        {"level 1 steps -4 name 开局\n", "steps must be a number"},
        {"level 1 steps 12x name 开局\n", "steps must be a number"},
        {"level 1 name 开局 steps 116\n", "expected \"level NUMBER"},
        {"level 1 steps 116 name 开局 extra\n", "expected \"level NUMBER"},
        {"level 1 steps 116 name 一二三四五\n", "1 to 4 characters"},
        {"level 1 steps 116 name \xE5\xBC\n", "not valid UTF-8"},
        {"level 1 steps 116 name \xF0\x9F\x98\x80\n", "GBK cannot encode"},
        {classic.substr(0, classic.rfind("T . . U")), "line 5: level 1 has 4 of 5 rows"},
        {classic + second.substr(0, second.find("B")) + "B - . .\n", "level 2 has 1 of 5 rows"},
        {classic + "\nlevel 2 steps 3 name 开局\n", "line 8: name 开局 is also level 1"},
        {"level 1 steps 1 name 一\nB - . .\n| + . .\n. . .\n", "line 4: row 3 must be four"},
        {"level 1 steps 1 name 一\nB - . .\n| + . .\n. . .. .\n", "row 3 must be four cells"},
        {"level 1 steps 1 name 一\nB - . *\n", "line 2: '*' is no cell"},
        {"level 1 steps 1 name 一\nB - . .\n| + . .\n. . . .\n. . . .\n. . . .\n", ""},
        {"level 1 steps 1 name 一\nB - . .\n| . . .\n. . . .\n. . . .\n. . . .\n",
         "line 1: level 1: row 2 column 2 shows '.' where the pieces give '+'"},
        {"level 1 steps 1 name 一\nB - D .\n| + | .\n. . . .\n. . . .\n. . . .\n", ""},
        {"level 1 steps 1 name 一\nB D . .\n| + . .\n. . . .\n. . . .\n. . . .\n",
         "pieces 2 and 4 overlap"},
        {"level 1 steps 1 name 一\nA . . .\n. . . .\n. . . .\n. . . .\n. . . .\n", "no piece 2"},
        {"level 1 steps 1 name 一\nA B - A\n. | + .\n. . . .\n. . . .\n. . . .\n",
         "piece 1 appears twice"},
        {"level 1 steps 1 name 一\n. . . .\n. . . .\n. . . .\n. B - .\n. | + .\n",
         "already stands on the goal"},
        {"level 1 steps 1 name 一\n. . . B\n. . . |\n. . . .\n. . . .\n. . . .\n",
         "leaves the board"},
    };
    for (const Case& c : cases) {
        const LevelSetFile::Result read = LevelSetFile::Parse(c.text);
        if (*c.error == '\0') {
            EXPECT_TRUE(read.Ok()) << c.text << "\n" << read.error;
            continue;
        }
        EXPECT_FALSE(read.Ok()) << c.text;
        EXPECT_TRUE(read.levels.empty()) << c.text;
        EXPECT_NE(read.error.find(c.error), std::string::npos)
            << c.text << "\ngave: " << read.error << "\nexpected: " << c.error;
    }
}

TEST(LevelSetFileTest, LoadNamesTheFile) {
    TempDir dir;
    EXPECT_NE(LevelSetFile::Load(dir.File("none.txt")).error.find("none.txt: no such file"),
              std::string::npos);
    dir.Write("bad.txt", std::string(kClassicLevel) + "level 3 steps 1 name 二\n");
    EXPECT_EQ(LevelSetFile::Load(dir.File("bad.txt")).error,
              dir.File("bad.txt") + ":7: expected level number 2");
    dir.Write("good.txt", kClassicLevel);
    EXPECT_TRUE(LevelSetFile::Load(dir.File("good.txt")).Ok());
}

TEST(LevelSetFileTest, NamesAreShortGbkText) {
    EXPECT_EQ(LevelSetFile::CheckName("围魏救赵"), "");
    EXPECT_EQ(LevelSetFile::CheckName("兵"), "");
    EXPECT_NE(LevelSetFile::CheckName(""), "");
    EXPECT_NE(LevelSetFile::CheckName("声东击西了"), "") << "five characters";
    EXPECT_NE(LevelSetFile::CheckName("声\t西"), "") << "a control character";
    EXPECT_NE(LevelSetFile::CheckName("\xC0\x80"), "") << "an overlong encoding";
    EXPECT_NE(LevelSetFile::CheckName("\xED\xA0\x80"), "") << "a surrogate";
    EXPECT_NE(LevelSetFile::CheckName("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xF0\x9F\x98\x80"), "")
        << "an emoji has no GBK form";
}

} // namespace
