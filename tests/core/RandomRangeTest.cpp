#include <gtest/gtest.h>

#include <set>

#include "core/RandomRange.h"

using namespace core;

namespace {

TEST(RandomRangeTest, DrawsEveryValueOfTheHalfOpenRangeAndNothingElse) {
    const RandomRange tracks(1, 4);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = tracks.Next();
        ASSERT_GE(value, 1);
        ASSERT_LT(value, 4);
        seen.insert(value);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(RandomRange(5, 5).Next(), 0) << "an empty range holds nothing";
    EXPECT_EQ(RandomRange(-3, -2).Next(), -3);
}

} // namespace
