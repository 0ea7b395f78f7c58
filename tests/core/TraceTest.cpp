#include "core/Trace.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ScopedEnv.h"

using namespace core;

TEST(TraceTest, OnlyASetNonZeroValueTurnsTracingOn) {
    EXPECT_FALSE(TraceEnabled(nullptr));
    EXPECT_FALSE(TraceEnabled(""));
    EXPECT_FALSE(TraceEnabled("0"));
    EXPECT_TRUE(TraceEnabled("1"));
    EXPECT_TRUE(TraceEnabled("yes"));
}

// Each case runs in a child process: the variable is read once, at a process's first trace.
// The child is a fresh run of the program, not a fork, so an earlier case's trace in this
// process cannot have read it already.
TEST(TraceTest, WritesToStandardErrorOnlyWhenTurnedOn) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const ScopedEnv on("TOVAK_TRACE", "1");
            Trace("level %d\n", 7);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "^level 7\n$");
    EXPECT_EXIT(
        {
            const ScopedEnv off("TOVAK_TRACE", std::nullopt);
            Trace("level %d\n", 7);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "^$");
}
