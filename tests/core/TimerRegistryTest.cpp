#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/MultimediaTimer.h"
#include "core/TimerRegistry.h"
#include "platform/memory/ManualTimerService.h"

using namespace core;

namespace {

using platform::ManualTimerService;
using Events = std::vector<std::string>;

TEST(MultimediaTimerTest, ReachedEndCountsFiringsAgainstTheLimit) {
    struct Case {
        std::int32_t limit;
        std::vector<bool> ends;
        std::int32_t fireCount;
    };
    const Case cases[] = {
        {0, {false, false, false}, 0}, {1, {true}, 1}, {3, {false, false, true, false}, 4}};
    ManualTimerService service;
    TimerCount live;
    for (const Case& c : cases) {
        MultimediaTimer timer(service, live, 10, c.limit, [](std::uint32_t) {});
        std::vector<bool> ends;
        for (std::size_t i = 0; i < c.ends.size(); ++i) {
            ends.push_back(timer.ReachedEnd());
        }
        EXPECT_EQ(ends, c.ends) << "limit " << c.limit;
        EXPECT_EQ(timer.fireCount, c.fireCount) << "limit " << c.limit;
    }
}

TEST(MultimediaTimerTest, StartsAtOnceStopsWhenDestroyedAndCountsLiveTimers) {
    ManualTimerService service;
    TimerCount live;
    std::vector<std::uint32_t> firings;
    auto timer = std::make_unique<MultimediaTimer>(
        service, live, 25, 0, [&](std::uint32_t id) { firings.push_back(id); });
    EXPECT_NE(timer->timerId, 0u);
    EXPECT_EQ(timer->delay, 25u);
    EXPECT_EQ(timer->resolution, 1u);
    EXPECT_EQ(live.Live(), 1u);
    service.Advance(50);
    EXPECT_EQ(firings, (std::vector<std::uint32_t>{timer->timerId, timer->timerId}));

    service.RefuseStarts(true);
    {
        const MultimediaTimer refused(service, live, 25, 0, [](std::uint32_t) {});
        EXPECT_EQ(refused.timerId, 0u);
        EXPECT_EQ(live.Live(), 1u);
    }
    EXPECT_EQ(live.Live(), 1u);
    timer.reset();
    EXPECT_EQ(live.Live(), 0u);
    EXPECT_EQ(service.ActiveCount(), 0u);
}

// The service's firings are queued as the application's message queue would hold them, and
// handed to the registry when the test delivers them. Events are noted as "name@ms".
class TimerRegistryTest : public ::testing::Test {
protected:
    void Deliver(bool deliver = true) {
        while (!posted.empty()) {
            const std::uint32_t id = posted.front();
            posted.pop_front();
            registry.HandleFiring(id, deliver);
        }
    }
    // Moves time on a millisecond at a time, delivering every firing at once.
    void RunFor(std::uint32_t ms) {
        for (std::uint32_t i = 0; i < ms; ++i) {
            service.Advance(1);
            Deliver();
        }
    }
    void Reset() {
        registry.KillAllTimers();
        posted.clear();
        events.clear();
        reaction = nullptr;
        origin = service.Now();
    }

    ManualTimerService service;
    std::deque<std::uint32_t> posted;
    Events events;
    std::uint64_t origin = 0; // events are timed from here
    // Run by the event handler after it notes the event.
    std::function<void(const std::string& name)> reaction;
    TimerRegistry registry{service, [this](std::uint32_t id) { posted.push_back(id); },
                           [this](const std::string& name) {
                               events.push_back(name + "@" +
                                                std::to_string(service.Now() - origin));
                               if (reaction) {
                                   reaction(name);
                               }
                           }};
};

TEST_F(TimerRegistryTest, DelayOfZeroOrLessIsRefused) {
    EXPECT_FALSE(registry.AddTimer(0, "a", 1));
    EXPECT_FALSE(registry.AddTimer(-5, "a", 1));
    EXPECT_EQ(registry.Count(), 0u);
    EXPECT_EQ(service.ActiveCount(), 0u);
}

TEST_F(TimerRegistryTest, AddingATakenNameKeepsTheRunningTimer) {
    EXPECT_TRUE(registry.AddTimer(100, "n", 3));
    RunFor(40);
    EXPECT_TRUE(registry.AddTimer(50, "n", 0));
    EXPECT_EQ(service.ActiveCount(), 1u);
    RunFor(1000);
    EXPECT_EQ(events, (Events{"n@100", "n@200", "n@300"}));
    EXPECT_FALSE(registry.IsRegistered("n"));
    EXPECT_EQ(service.ActiveCount(), 0u);
}

TEST_F(TimerRegistryTest, UnlimitedTimerFiresUntilKilled) {
    registry.AddTimer(30, "u", 0);
    RunFor(100);
    registry.KillTimer("u");
    registry.KillTimer("u");
    RunFor(200);
    EXPECT_EQ(events, (Events{"u@30", "u@60", "u@90"}));
    EXPECT_EQ(service.ActiveCount(), 0u);
}

TEST_F(TimerRegistryTest, QueuedFiringsOfAGoneTimerAreDropped) {
    // Five firings wait in the queue each time.
    registry.AddTimer(10, "killed", 0);
    service.Advance(50);
    registry.KillTimer("killed");
    Deliver();
    EXPECT_TRUE(events.empty());

    registry.AddTimer(10, "limited", 2);
    service.Advance(50);
    Deliver();
    EXPECT_EQ(events, (Events{"limited@100", "limited@100"}));
    EXPECT_EQ(registry.Count(), 0u);
}

TEST_F(TimerRegistryTest, EighteenLiveTimersAllRun) {
    Events expected;
    for (int i = 0; i < 18; ++i) {
        const std::string name = "t" + std::to_string(i);
        EXPECT_TRUE(registry.AddTimer(10 + i, name, 1));
        expected.push_back(name + "@" + std::to_string(10 + i));
    }
    EXPECT_EQ(registry.LiveCount(), 18u);
    RunFor(30);
    EXPECT_EQ(events, expected);
    EXPECT_EQ(registry.Count(), 0u);
    EXPECT_EQ(registry.LiveCount(), 0u);
}

TEST_F(TimerRegistryTest, KillAllAndTheDestructorStopEveryTimer) {
    registry.KillAllTimers();
    registry.AddTimer(10, "a", 0);
    registry.AddTimer(20, "b", 3);
    registry.KillAllTimers();
    EXPECT_EQ(registry.Count(), 0u);
    RunFor(100);
    EXPECT_TRUE(events.empty());
    {
        TimerRegistry other(
            service, [](std::uint32_t) {}, [](const std::string&) {});
        other.AddTimer(10, "a", 0);
        EXPECT_EQ(service.ActiveCount(), 1u);
    }
    EXPECT_EQ(service.ActiveCount(), 0u);
}

TEST_F(TimerRegistryTest, RefusedTimerIsRegisteredButNeverFires) {
    service.RefuseStarts(true);
    EXPECT_TRUE(registry.AddTimer(10, "r", 1));
    EXPECT_TRUE(registry.IsRegistered("r"));
    EXPECT_EQ(registry.LiveCount(), 0u);
    RunFor(50);
    registry.HandleFiring(0);
    registry.HandleFiring(999999);
    EXPECT_TRUE(events.empty());
    registry.KillTimer("r");
    EXPECT_EQ(registry.Count(), 0u);
}

TEST_F(TimerRegistryTest, OwnCallbacksTakeTheirFiringsAndHeldFiringsStillCount) {
    int own = 0;
    registry.AddTimer(10, "own", 3, [&own] { ++own; });
    registry.AddTimer(10, "named", 0);
    RunFor(10);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(events, (Events{"named@10"})) << "the callback's timer makes no named event";

    service.Advance(10);
    Deliver(false);
    EXPECT_EQ(own, 1) << "held: dropped";
    EXPECT_EQ(events, (Events{"named@10"}));
    RunFor(10);
    EXPECT_EQ(own, 2) << "not delayed";
    EXPECT_EQ(events, (Events{"named@10", "named@30"}));
    EXPECT_FALSE(registry.IsRegistered("own")) << "the held firing counted against the three";
}

TEST_F(TimerRegistryTest, EventsComeInDueOrderAcrossTimers) {
    registry.AddTimer(30, "a", 0);
    registry.AddTimer(20, "b", 0);
    registry.AddTimer(50, "c", 0);
    RunFor(100);
    EXPECT_EQ(events, (Events{"b@20", "a@30", "b@40", "c@50", "a@60", "b@60", "b@80", "a@90",
                              "b@100", "c@100"}));
}

TEST_F(TimerRegistryTest, EventHandlerMayAddAndKillTimers) {
    struct Case {
        const char* what;
        std::function<void()> setUp;
        std::function<void(const std::string&)> reaction;
        Events expected;
        std::size_t countAfter;
    };
    const Case cases[] = {
        {"kills its own unlimited timer",
         [&] { registry.AddTimer(10, "a", 0); },
         [&](const std::string& name) { registry.KillTimer(name); },
         {"a@10"},
         0},
        {"replaces its timer on the last event",
         [&] { registry.AddTimer(10, "a", 1); },
         [&](const std::string&) {
             if (events.size() == 1) {
                 registry.KillTimer("a");
                 registry.AddTimer(15, "a", 1);
             }
         },
         {"a@10", "a@25"},
         0},
        {"adds another timer",
         [&] { registry.AddTimer(10, "a", 2); },
         [&](const std::string& name) {
             if (name == "a") {
                 registry.AddTimer(5, "b", 1);
             }
         },
         {"a@10", "b@15", "a@20", "b@25"},
         0},
        {"kills all timers",
         [&] {
             registry.AddTimer(10, "a", 0);
             registry.AddTimer(10, "b", 0);
         },
         [&](const std::string&) { registry.KillAllTimers(); },
         {"a@10"},
         0},
        {"keeps its timer",
         [&] { registry.AddTimer(10, "a", 0); },
         [&](const std::string& name) { registry.AddTimer(1, name, 1); },
         {"a@10", "a@20", "a@30"},
         1},
    };
    for (const Case& c : cases) {
        Reset();
        c.setUp();
        reaction = c.reaction;
        RunFor(30);
        EXPECT_EQ(events, c.expected) << c.what;
        EXPECT_EQ(registry.Count(), c.countAfter) << c.what;
    }
}

} // namespace
