#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <iterator>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/ThreadTimerService.h"
#include "platform/memory/ManualTimerService.h"

namespace {

using namespace std::chrono_literals;
using platform::ManualTimerService;
using platform::ThreadTimerService;

// Firings seen by a test on the manual service: "name@ms".
class ManualTimerTest : public ::testing::Test {
protected:
    std::uint32_t Start(std::uint32_t period, const std::string& name) {
        return service.Start(period, [this, name] { Note(name); });
    }
    void Note(const std::string& name) {
        fired.push_back(name + "@" + std::to_string(service.Now()));
    }

    ManualTimerService service;
    std::vector<std::string> fired;
};

TEST_F(ManualTimerTest, AdvanceFiresEveryPeriodItCovers) {
    Start(10, "a");
    service.Advance(9);
    EXPECT_TRUE(fired.empty());
    service.Advance(26);
    service.Advance(0);
    service.Advance(5);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@10", "a@20", "a@30", "a@40"}));
    EXPECT_EQ(service.Now(), 40u);
}

TEST_F(ManualTimerTest, FiringsGoInDueOrderAndTiesInStartOrder) {
    Start(20, "a");
    Start(10, "b");
    Start(20, "c");
    service.Advance(40);
    EXPECT_EQ(fired, (std::vector<std::string>{"b@10", "a@20", "b@20", "c@20", "b@30", "a@40",
                                               "b@40", "c@40"}));
}

TEST_F(ManualTimerTest, CallbacksMayStopAndStartTimers) {
    std::uint32_t self = 0;
    std::uint32_t other = 0;
    int calls = 0;
    self = service.Start(10, [&] {
        Note("a");
        if (++calls == 2) {
            service.Stop(self); // stops itself while running, and a timer due at the same time
            service.Stop(other);
            Start(5, "c"); // its first period counts from this firing
        }
    });
    other = Start(20, "b");
    service.Advance(40);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@10", "a@20", "c@25", "c@30", "c@35", "c@40"}));
    EXPECT_EQ(service.ActiveCount(), 1u);
}

TEST_F(ManualTimerTest, StopEndsFiringsAndRefusedStartsFail) {
    const std::uint32_t id = Start(10, "a");
    service.Advance(10);
    service.Stop(id);
    service.Stop(id);
    service.Stop(12345);
    service.Advance(100);
    EXPECT_EQ(fired, std::vector<std::string>{"a@10"});
    service.RefuseStarts(true);
    EXPECT_EQ(Start(10, "b"), 0u);
    service.RefuseStarts(false);
    EXPECT_NE(Start(10, "b"), 0u);
    EXPECT_EQ(service.ActiveCount(), 1u);
}

TEST(TimerServiceTest, StartFailsWithoutPeriodOrCallback) {
    ManualTimerService manual;
    ThreadTimerService threaded;
    for (platform::TimerService* service : {static_cast<platform::TimerService*>(&manual),
                                            static_cast<platform::TimerService*>(&threaded)}) {
        EXPECT_EQ(service->Start(0, [] {}), 0u);
        EXPECT_EQ(service->Start(10, nullptr), 0u);
    }
}

TEST(TimerServiceTest, IdsAreNeverZeroNorReusedAcrossServices) {
    ManualTimerService manual;
    ManualTimerService other;
    ThreadTimerService threaded;
    const std::uint32_t first = manual.Start(10, [] {});
    manual.Stop(first);
    const std::uint32_t ids[] = {first, manual.Start(10, [] {}), other.Start(10, [] {}),
                                 threaded.Start(1000000, [] {})};
    threaded.Stop(ids[3]);
    EXPECT_EQ(std::set<std::uint32_t>(std::begin(ids), std::end(ids)).size(), std::size(ids));
    EXPECT_EQ(std::count(std::begin(ids), std::end(ids), 0u), 0);
}

TEST(ThreadTimerServiceTest, NextDeadlineKeepsPhaseAndSkipsMissedFirings) {
    using Time = ThreadTimerService::Clock::time_point;
    struct Case {
        int nowMs;
        int nextMs;
    };
    // Due at 100 ms, period 10 ms, fired at `nowMs`.
    const Case cases[] = {{100, 110}, {105, 110}, {110, 110}, {111, 120}, {135, 140}, {140, 140}};
    for (const Case& c : cases) {
        const Time next = ThreadTimerService::NextDeadline(Time(100ms), 10ms, Time(c.nowMs * 1ms));
        EXPECT_EQ(next, Time(c.nextMs * 1ms)) << "fired at " << c.nowMs;
    }
}

// What the background thread did, per timer.
struct FiringLog {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<ThreadTimerService::Clock::time_point> times[3];
    std::set<std::thread::id> threads;
    std::uint32_t ids[3] = {};
    bool stopped[3] = {}; // set once Stop has returned
    bool inCallback = false;
    int callsAfterStop = 0;

    void Record(int timer) {
        std::lock_guard lock(mutex);
        callsAfterStop += stopped[timer] ? 1 : 0;
        times[timer].push_back(ThreadTimerService::Clock::now());
        threads.insert(std::this_thread::get_id());
        changed.notify_all();
    }
    std::size_t Count(int timer) {
        std::lock_guard lock(mutex);
        return times[timer].size();
    }
};

// Timer 0 takes longer than its period in its callback, timer 1 just records, timer 2 stops itself
// at its third firing.
void StartThreeTimers(ThreadTimerService& service, FiringLog& log, const std::uint32_t periods[]) {
    std::lock_guard lock(log.mutex); // callbacks wait until their ids are known
    log.ids[0] = service.Start(periods[0], [&log] {
        log.Record(0);
        std::unique_lock lock(log.mutex);
        log.inCallback = true;
        log.changed.notify_all();
        lock.unlock();
        std::this_thread::sleep_for(5ms);
        lock.lock();
        log.inCallback = false;
    });
    log.ids[1] = service.Start(periods[1], [&log] { log.Record(1); });
    log.ids[2] = service.Start(periods[2], [&log, &service] {
        log.Record(2);
        if (log.Count(2) == 3) {
            service.Stop(log.ids[2]);
            std::lock_guard lock(log.mutex);
            log.stopped[2] = true;
        }
    });
}

TEST(ThreadTimerServiceTest, ThreeTimersFireInOrderOnOneThreadAndNeverAfterStop) {
    const std::uint32_t periods[] = {3, 5, 7};
    FiringLog log;
    const auto started = ThreadTimerService::Clock::now();
    auto service = std::make_unique<ThreadTimerService>();
    StartThreeTimers(*service, log, periods);
    {
        std::unique_lock lock(log.mutex);
        ASSERT_TRUE(log.changed.wait_for(lock, 20s, [&] {
            return log.times[0].size() >= 10 && log.times[1].size() >= 6 && log.stopped[2] &&
                   log.inCallback;
        }));
    }
    service->Stop(log.ids[0]); // timer 0 is inside its callback: Stop must wait for it
    {
        std::lock_guard lock(log.mutex);
        EXPECT_FALSE(log.inCallback) << "Stop returned while the callback was running";
        log.stopped[0] = true;
    }
    std::this_thread::sleep_for(30ms); // room for stray firings
    service.reset();
    const std::size_t lastCount = log.Count(1);
    std::this_thread::sleep_for(30ms);

    std::lock_guard lock(log.mutex);
    EXPECT_EQ(log.callsAfterStop, 0);
    EXPECT_EQ(log.times[1].size(), lastCount);
    EXPECT_EQ(log.times[2].size(), 3u);
    EXPECT_EQ(log.threads.size(), 1u);
    EXPECT_EQ(log.threads.count(std::this_thread::get_id()), 0u);
    for (int timer = 0; timer < 3; ++timer) {
        // The k-th firing never comes before k periods have passed, and firings stay in order.
        const auto& times = log.times[timer];
        for (std::size_t k = 0; k < times.size(); ++k) {
            EXPECT_GE(times[k], started + (k + 1) * std::chrono::milliseconds(periods[timer]));
            EXPECT_TRUE(k == 0 || times[k - 1] <= times[k]);
        }
    }
}

} // namespace
