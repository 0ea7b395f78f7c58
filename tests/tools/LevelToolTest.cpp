#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "LevelTool.h"
#include "TempDir.h"
#include "ToolRun.h"
#include "puzzle/LevelBuilder.h"

using namespace puzzle;

namespace {

ToolOutcome RunCommand(const std::vector<std::string>& arguments) {
    return RunTool<LevelTool>(arguments);
}

// 267 different levels, each won by one step of the big piece: two soldiers in the free cells.
void WriteEasyLevels(const TempDir& dir) {
    std::vector<std::pair<int, int>> freeCells;
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 5; ++row) {
            const bool underBigOrGoal = (col == 1 || col == 2) && row >= 2;
            if (!underBigOrGoal) {
                freeCells.emplace_back(col, row);
            }
        }
    }
    int level = 1;
    for (const int second : {19, 20, 21}) {
        for (std::size_t a = 0; a < freeCells.size(); ++a) {
            for (std::size_t b = a + 1; b < freeCells.size() && level <= 267; ++b) {
                LevelFile::Grid grid = MakeGrid({{2, 1, 2}});
                grid[CellIndex(freeCells[a].first, freeCells[a].second)] = 1;
                grid[CellIndex(freeCells[b].first, freeCells[b].second)] =
                    static_cast<std::int8_t>(second);
                dir.Write(std::to_string(level++) + ".dat", LevelFile::Encode(grid));
            }
        }
    }
    ASSERT_EQ(level, 268);
}

TEST(LevelToolTest, SolveReportsStepsUnsolvableAndBadFiles) {
    TempDir dir;
    dir.Write("classic.dat", LevelFile::Encode(ClassicGrid()));
    ToolOutcome outcome = RunCommand({"solve", dir.File("classic.dat")});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "116\n");

    dir.Write("stuck.dat", LevelFile::Encode(MakeGrid({{4, 0, 0}})));
    outcome = RunCommand({"solve", dir.File("stuck.dat")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.out, "unsolvable\n");

    for (const char* name : {"missing.dat", "garbage.dat", "overlap.dat"}) {
        if (std::string(name) == "garbage.dat") {
            dir.Write(name, "not a level at all");
        } else if (std::string(name) == "overlap.dat") {
            dir.Write(name, LevelFile::Encode(MakeGrid({{2, 0, 0}, {1, 1, 1}})));
        }
        outcome = RunCommand({"solve", dir.File(name)});
        EXPECT_EQ(outcome.exitCode, 2) << name;
        EXPECT_TRUE(outcome.out.empty()) << name;
        EXPECT_NE(outcome.err.find(dir.File(name)), std::string::npos) << outcome.err;
    }
    EXPECT_NE(RunCommand({"solve", dir.File("overlap.dat")}).err.find("pieces 1 and 2 overlap"),
              std::string::npos);
    EXPECT_EQ(RunCommand({"frobnicate"}).exitCode, 2);
}

TEST(LevelToolTest, VerifyPassesAFullSetAndNamesEveryFault) {
    TempDir dir;
    WriteEasyLevels(dir);
    ToolOutcome outcome = RunCommand({"verify", dir.Path()});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.out;
    EXPECT_NE(outcome.out.find("level 267: 1 steps\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("267 passed, 0 failed\n"), std::string::npos);

    std::remove(dir.File("10.dat").c_str());
    dir.Write("20.dat", "junk");
    dir.Write("30.dat", LevelFile::Encode(MakeGrid({{2, 1, 3}})));
    dir.Write("40.dat", LevelFile::Encode(MakeGrid({{1, 0, 0}, {19, 3, 0}})));
    dir.Write("50.dat", LevelFile::Encode(MakeGrid({{2, 1, 2}, {4, 1, 0}, {5, 0, 2}})));
    dir.Write("60.dat", dir.Read("1.dat"));
    dir.Write("70.dat", LevelFile::Encode(MakeGrid({{2, 0, 0}, {19, 2, 0}, {19, 3, 0}})));
    dir.Write("80.dat", LevelFile::Encode(JammedGrid()));
    outcome = RunCommand({"verify", dir.Path()});
    EXPECT_EQ(outcome.exitCode, 1);
    const std::pair<int, const char*> expected[] = {
        {10, "cannot open"},   {20, "bad magic"},  {30, "already stands on the goal"},
        {40, "no piece 2"},    {50, "overlap"},    {60, "same layout as level 1"},
        {70, "appears twice"}, {80, "unsolvable"},
    };
    for (const auto& [level, reason] : expected) {
        const std::string prefix = "level " + std::to_string(level) + ": FAILED: ";
        const std::size_t at = outcome.out.find(prefix);
        ASSERT_NE(at, std::string::npos) << level;
        const std::string line = outcome.out.substr(at, outcome.out.find('\n', at) - at);
        EXPECT_NE(line.find(reason), std::string::npos) << line;
    }
    EXPECT_NE(outcome.out.find("259 passed, 8 failed\n"), std::string::npos);
}

// The built program itself: exit codes and output as a script sees them.
TEST(LevelToolTest, ProgramPrintsOneLineAndExitsWithTheResult) {
    TempDir dir;
    dir.Write("classic.dat", LevelFile::Encode(ClassicGrid()));
    const std::string command =
        std::string(LEVEL_TOOL_PATH) + " solve '" + dir.File("classic.dat") + "' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 256> buffer{};
    std::string output;
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    const int status = ::pclose(pipe);
    EXPECT_EQ(output, "116\n");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const int missing = std::system(
        (std::string(LEVEL_TOOL_PATH) + " solve '" + dir.File("none.dat") + "' 2>/dev/null")
            .c_str());
    ASSERT_TRUE(WIFEXITED(missing));
    EXPECT_EQ(WEXITSTATUS(missing), 2);
}

} // namespace
