// The distance table worked out beside the main thread: what it reads before, during and after
// its computation, and a new level replacing one still being worked out.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/DistanceTable.h"
#include "puzzle/LevelBuilder.h"

using namespace game;
using namespace puzzle;

namespace {

TEST(DistanceTableTest, UnknownUntilWorkedOutThenTheDistanceOfEveryReachablePosition) {
    DistanceTable table;
    EXPECT_EQ(table.FromStart(), DistanceTable::kUnknown);
    EXPECT_FALSE(table.Poll()) << "nothing asked for";
    EXPECT_FALSE(table.Wait());

    table.Compute(ClassicGrid());
    EXPECT_EQ(table.DistanceOf(ClassicGrid()), DistanceTable::kUnknown)
        << "not ready before a poll takes it over";
    ASSERT_TRUE(table.Wait());
    EXPECT_TRUE(table.Poll());
    EXPECT_EQ(table.FromStart(), 116);
    EXPECT_EQ(table.DistanceOf(ClassicGrid()), 116);
    ASSERT_NE(table.Graph(), nullptr);
    EXPECT_EQ(table.DistanceOf(MakeGrid({{2, 1, 3}})), PositionGraph::kNoWay)
        << "a won position of other pieces, which the start never reaches";
    LevelFile::Grid broken = ClassicGrid();
    broken[1] = 2;
    EXPECT_EQ(table.DistanceOf(broken), PositionGraph::kNoWay) << "overlapping pieces";
}

TEST(DistanceTableTest, PollingAloneFindsTheFinishedTable) {
    DistanceTable table;
    table.Compute(MakeGrid({{2, 1, 0}, {19, 0, 4}}));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!table.Poll() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(table.Poll());
    EXPECT_EQ(table.FromStart(), 3);
}

TEST(DistanceTableTest, ANewStartReplacesTheTableStillBeingWorkedOut) {
    DistanceTable table;
    table.Compute(ClassicGrid());
    table.Compute(MakeGrid({{2, 1, 2}}));
    ASSERT_TRUE(table.Wait());
    EXPECT_EQ(table.FromStart(), 1);
    EXPECT_EQ(table.DistanceOf(ClassicGrid()), PositionGraph::kNoWay);

    table.Compute(JammedGrid());
    ASSERT_TRUE(table.Wait());
    EXPECT_EQ(table.FromStart(), PositionGraph::kNoWay) << "no win is reachable";
}

TEST(DistanceTableTest, ATableDroppedWhileBeingWorkedOutWaitsForItsWorker) {
    for (int i = 0; i < 3; ++i) {
        DistanceTable table;
        table.Compute(ClassicGrid());
    }
    DistanceTable invalid;
    LevelFile::Grid broken{};
    broken[0] = 2;
    broken[1] = 19; // under the big piece
    invalid.Compute(broken);
    ASSERT_TRUE(invalid.Wait());
    EXPECT_EQ(invalid.FromStart(), PositionGraph::kNoWay);
}

} // namespace
