// Checks the committed level set, assets/levels.txt, that the build packs into the game's
// level files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "level-set/LevelSetFile.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/Piece.h"
#include "puzzle/PositionGraph.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

constexpr int kClassicSteps = 116;
// How far the steps may fall from one level to the next.
constexpr int kAllowedDip = 3;

std::string LevelsPath() {
    return (std::filesystem::path(TM_ASSETS_DIR) / "levels.txt").string();
}

class LevelSetTest : public testing::Test {
protected:
    static void SetUpTestSuite() { set = LevelSetFile::Load(LevelsPath()); }

    void SetUp() override {
        ASSERT_TRUE(set.Ok()) << set.error;
        ASSERT_EQ(set.levels.size(), static_cast<std::size_t>(kLevelCount));
    }

    static PositionGraph::Code CanonicalOf(const LevelFile::Grid& grid) {
        PositionGraph::Code code = 0;
        EXPECT_TRUE(PositionGraph::CodeOf(grid, code));
        return PositionGraph::Canonical(code);
    }

    static LevelSetFile::Result set;
};

LevelSetFile::Result LevelSetTest::set;

TEST_F(LevelSetTest, StatedStepsAreTheSolversMinimum) {
    for (const LevelSetFile::Level& level : set.levels) {
        const Solver::Result solved = Solver::Solve(level.grid);
        ASSERT_EQ(solved.status, Solver::Status::Solved) << "level " << level.number;
        EXPECT_EQ(solved.steps, level.steps) << "level " << level.number;
    }
}

TEST_F(LevelSetTest, NoTwoLevelsAreTheSamePositionOrMirrorImages) {
    std::map<PositionGraph::Code, int> levelOf;
    for (const LevelSetFile::Level& level : set.levels) {
        const auto [other, isNew] = levelOf.emplace(CanonicalOf(level.grid), level.number);
        EXPECT_TRUE(isNew) << "level " << level.number << " repeats level " << other->second;
    }
}

TEST_F(LevelSetTest, DifficultyRisesFromEasyToBeyondTheClassic) {
    EXPECT_LE(set.levels.front().steps, 10);
    for (std::size_t i = 1; i < set.levels.size(); ++i) {
        EXPECT_GE(set.levels[i].steps, set.levels[i - 1].steps - kAllowedDip)
            << "level " << set.levels[i].number;
    }
    // The last tenth is harder than the classic opening, and the middle is in between.
    for (std::size_t i = set.levels.size() * 9 / 10; i < set.levels.size(); ++i) {
        EXPECT_GT(set.levels[i].steps, kClassicSteps) << "level " << set.levels[i].number;
    }
    const int middle = set.levels[set.levels.size() / 2].steps;
    EXPECT_GT(middle, 40);
    EXPECT_LT(middle, kClassicSteps);
}

TEST_F(LevelSetTest, HoldsTheClassicOpeningInItsPlace) {
    const PositionGraph::Code classic = CanonicalOf(ClassicGrid());
    int found = 0;
    for (const LevelSetFile::Level& level : set.levels) {
        if (CanonicalOf(level.grid) == classic) {
            found = level.number;
            EXPECT_EQ(level.steps, kClassicSteps);
        }
    }
    ASSERT_NE(found, 0) << "the classic opening is missing";
    EXPECT_LE(set.levels[found - 2].steps, kClassicSteps);
    EXPECT_GE(set.levels[found].steps, kClassicSteps);
}

TEST_F(LevelSetTest, EveryPortraitAppearsAndTheMixesVary) {
    std::set<int> numbers;
    std::set<int> soldierCounts;
    std::set<int> emptyCounts;
    for (const LevelSetFile::Level& level : set.levels) {
        int soldiers = 0;
        int covered = 0;
        for (const std::int8_t number : level.grid) {
            if (number != 0) {
                numbers.insert(number);
                const Shape shape = Piece::ShapeOf(number);
                soldiers += shape == Shape::Small;
                covered += Piece::ColumnsOf(shape) * Piece::RowsOf(shape);
            }
        }
        soldierCounts.insert(soldiers);
        emptyCounts.insert(kCellCount - covered);
    }
    for (int portrait = 1; portrait <= 18; ++portrait) {
        EXPECT_EQ(numbers.count(portrait), 1u) << "piece " << portrait << " never appears";
    }
    EXPECT_GE(soldierCounts.size(), 6u);
    EXPECT_GE(emptyCounts.size(), 4u);
}

TEST_F(LevelSetTest, NamesAreDistinctShortAndGbk) {
    std::map<std::string, int> levelOf;
    for (const LevelSetFile::Level& level : set.levels) {
        EXPECT_EQ(LevelSetFile::CheckName(level.name), "") << "level " << level.number;
        const auto [other, isNew] = levelOf.emplace(level.name, level.number);
        EXPECT_TRUE(isNew) << level.name << " names levels " << other->second << " and "
                           << level.number;
    }
}

} // namespace
