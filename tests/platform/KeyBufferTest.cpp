#include <gtest/gtest.h>

#include "platform/KeyBuffer.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

using namespace platform;

// The buffer keeps keys as opaque values: the tests number their changes with them.
Key Numbered(std::uint32_t n) {
    return static_cast<Key>(n);
}

std::uint32_t NumberOf(Key key) {
    return static_cast<std::uint32_t>(key);
}

using Records = std::vector<std::pair<Key, bool>>; // key, pressed

struct Read {
    KeyReadResult result;
    Records records;
};

Read ReadAll(KeyBuffer& device, std::uint32_t count = KeyBuffer::kCapacity) {
    std::vector<KeyRecord> out(count + 1, KeyRecord{Numbered(0xDEAD), true});
    Read read{device.GetDeviceData(out.data(), count), {}};
    for (std::uint32_t i = 0; i < count; ++i) {
        read.records.emplace_back(out[i].key, out[i].pressed);
    }
    EXPECT_EQ(NumberOf(out[count].key), 0xDEADu) << "wrote past the records handed out";
    return read;
}

TEST(KeyBufferTest, RecordsChangesInOrderOnlyWhileAcquired) {
    KeyBuffer device;
    device.OnKeyChange(Key::Left, true);
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired);

    EXPECT_EQ(device.Acquire(), AcquireResult::Acquired);
    EXPECT_EQ(device.Acquire(), AcquireResult::AlreadyAcquired);
    EXPECT_EQ(ReadAll(device).records, Records{}) << "a change made before acquiring was kept";
    device.OnKeyChange(Key::Left, true);
    device.OnKeyChange(Key::A, true);
    device.OnKeyChange(Key::Left, false);
    const Read read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    EXPECT_EQ(read.records, (Records{{Key::Left, true}, {Key::A, true}, {Key::Left, false}}));
    EXPECT_EQ(ReadAll(device).records, Records{});
}

TEST(KeyBufferTest, ReadHandsOutAtMostCountAndKeepsTheRest) {
    KeyBuffer device;
    device.Acquire();
    for (const Key key : {Key::Q, Key::W, Key::E}) {
        device.OnKeyChange(key, true);
    }
    EXPECT_EQ(ReadAll(device, 2).records, (Records{{Key::Q, true}, {Key::W, true}}));
    EXPECT_EQ(ReadAll(device, 0).records, Records{});
    EXPECT_EQ(ReadAll(device).records, (Records{{Key::E, true}}));

    device.OnKeyChange(Key::R, false);
    std::uint32_t count = 1;
    EXPECT_EQ(device.GetDeviceData(nullptr, count), KeyReadResult::NoBuffer);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(ReadAll(device).records, (Records{{Key::R, false}}))
        << "a refused read lost a record";
}

TEST(KeyBufferTest, NinthChangeIsDroppedAndTheOverflowReportedOnce) {
    KeyBuffer device;
    device.Acquire();
    for (std::uint32_t key = 1; key <= 9; ++key) {
        device.OnKeyChange(Numbered(key), true);
    }
    Read read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Overflowed);
    ASSERT_EQ(read.records.size(), 8u);
    EXPECT_EQ(NumberOf(read.records.front().first), 1u);
    EXPECT_EQ(NumberOf(read.records.back().first), 8u);

    read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    EXPECT_EQ(read.records, Records{});
    // The ring has wrapped; later changes still come out in order.
    for (std::uint32_t key = 10; key <= 17; ++key) {
        device.OnKeyChange(Numbered(key), key % 2 == 0);
    }
    read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    ASSERT_EQ(read.records.size(), 8u);
    EXPECT_EQ(read.records[0], std::make_pair(Numbered(10), true));
    EXPECT_EQ(read.records[7], std::make_pair(Numbered(17), false));
}

TEST(KeyBufferTest, GivingTheDeviceUpDiscardsWaitingRecordsAndOverflow) {
    KeyBuffer device;
    device.Acquire();
    for (std::uint32_t key = 1; key <= 9; ++key) {
        device.OnKeyChange(Numbered(key), true);
    }
    device.LoseAcquisition();
    device.OnKeyChange(Key::Up, true);
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::InputLost);
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired) << "the loss is reported once";
    EXPECT_EQ(device.Acquire(), AcquireResult::Acquired);
    Read read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    EXPECT_EQ(read.records, Records{});

    device.OnKeyChange(Key::Up, true);
    device.Unacquire();
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired);
    device.LoseAcquisition(); // losing a device not held is no loss
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired);
    device.Acquire();
    EXPECT_EQ(ReadAll(device).records, Records{});
}

// The keyboard poll timer ticks only while there is news: a read without any must be a plain
// Ok with no records.
TEST(KeyBufferTest, HasNewsExactlyWhenAReadWouldHandOutOrReportSomething) {
    KeyBuffer device;
    EXPECT_TRUE(device.HasNews()) << "not acquired: a read reports it";
    device.Acquire();
    EXPECT_FALSE(device.HasNews());
    device.OnKeyChange(Key::Left, true);
    EXPECT_TRUE(device.HasNews());
    ReadAll(device);
    EXPECT_FALSE(device.HasNews());

    for (std::uint32_t key = 1; key <= 9; ++key) {
        device.OnKeyChange(Numbered(key), true);
    }
    EXPECT_TRUE(device.HasNews());
    EXPECT_EQ(ReadAll(device, 2).result, KeyReadResult::Overflowed);
    EXPECT_TRUE(device.HasNews()) << "six records left";
    EXPECT_EQ(ReadAll(device).records.size(), 6u);
    EXPECT_FALSE(device.HasNews());
    const Read quiet = ReadAll(device);
    EXPECT_EQ(quiet.result, KeyReadResult::Ok);
    EXPECT_TRUE(quiet.records.empty());

    device.LoseAcquisition();
    EXPECT_TRUE(device.HasNews());
}

TEST(KeyBufferTest, ConcurrentFeedingKeepsOrderAndReportsEveryDrop) {
    constexpr std::uint32_t kChanges = 20000;
    KeyBuffer device;
    device.Acquire();
    std::atomic<bool> done = false;
    std::thread feeder([&device, &done] {
        for (std::uint32_t key = 1; key <= kChanges; ++key) {
            device.OnKeyChange(Numbered(key), true);
        }
        done = true;
    });
    std::uint32_t last = 0;
    bool previousOverflowed = false;
    for (bool finished = false; !finished;) {
        finished = done; // one more read after the feeder ends drains the buffer
        const Read read = ReadAll(device);
        for (std::size_t i = 0; i < read.records.size(); ++i) {
            const std::uint32_t key = NumberOf(read.records[i].first);
            // Drops happen only while the buffer is full, so a gap can only follow the read
            // that reported them. (No ASSERT here: the feeder must be joined.)
            EXPECT_TRUE(key == last + 1 || (key > last && i == 0 && previousOverflowed)) << key;
            last = key;
        }
        if (!read.records.empty()) {
            previousOverflowed = read.result == KeyReadResult::Overflowed;
        } else {
            std::this_thread::yield();
        }
    }
    feeder.join();
    EXPECT_GT(last, 0u);
}

// The game's side of the buffer: what Read hands on.
class KeyReadTest : public testing::Test {
protected:
    KeyReadTest() { device.StartReading(); }

    void Change(Key key, bool pressed) { device.OnKeyChange(key, pressed); }
    std::vector<KeyChange> Poll() {
        std::vector<KeyChange> changes;
        device.Read([&changes](const KeyChange& change) { changes.push_back(change); });
        return changes;
    }

    KeyBuffer device;
};

using Changes = std::vector<KeyChange>;

TEST_F(KeyReadTest, AShiftLetGoWhileTheWindowWasInactiveIsNotHeldAfterwards) {
    Change(Key::LeftShift, true);
    EXPECT_EQ(Poll(), (Changes{{Key::LeftShift, true, true}}));
    device.LoseAcquisition();
    device.StartReading();
    Change(Key::Tab, true);
    EXPECT_EQ(Poll(), (Changes{{Key::Tab, true, false}}));
}

TEST_F(KeyReadTest, OverflowingPollDropsItsChangesAndTheNextPollStartsFresh) {
    for (int i = 0; i < 5; ++i) {
        Change(Key::Up, i % 2 == 0);
    }
    Change(Key::Left, true);
    Change(Key::Left, false);
    Change(Key::Right, true);
    Change(Key::Right, false); // the ninth change: lost
    EXPECT_EQ(Poll(), Changes{});
    // Neither the dropped records nor the lost one come back, and the device stays in use.
    EXPECT_EQ(Poll(), Changes{});
    Change(Key::Enter, true);
    EXPECT_EQ(Poll(), (Changes{{Key::Enter, true, false}}));
}

TEST_F(KeyReadTest, LostDeviceIsReacquiredByThePollWithoutEvents) {
    Change(Key::Left, true);
    device.LoseAcquisition();
    Change(Key::Right, true); // while inactive: not recorded
    EXPECT_EQ(Poll(), Changes{});
    EXPECT_EQ(device.Acquire(), AcquireResult::AlreadyAcquired) << "the poll did not re-acquire";
    Change(Key::Right, false);
    EXPECT_EQ(Poll(), (Changes{{Key::Right, false, false}}));

    device.Unacquire();
    device.StartReading();
    Change(Key::Up, true);
    EXPECT_EQ(Poll(), (Changes{{Key::Up, true, false}}));
}

TEST_F(KeyReadTest, ReadingHoldsTheDevice) {
    EXPECT_EQ(device.Acquire(), AcquireResult::AlreadyAcquired) << "starting did not acquire";
    device.StopReading();
    EXPECT_EQ(device.Acquire(), AcquireResult::Acquired) << "stopping did not give the device up";
}

TEST_F(KeyReadTest, ReadWithoutReceiverStillTakesTheRecords) {
    Change(Key::Left, true);
    device.Read(nullptr);
    KeyRecord left[KeyBuffer::kCapacity];
    std::uint32_t count = KeyBuffer::kCapacity;
    EXPECT_EQ(device.GetDeviceData(left, count), KeyReadResult::Ok);
    EXPECT_EQ(count, 0u) << "the change was read, and reported to nobody";
}

} // namespace
