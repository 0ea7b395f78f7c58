#include <gtest/gtest.h>

#include "platform/KeyBuffer.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

using namespace platform;

struct Read {
    KeyReadResult result;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> records; // offset, data
};

Read ReadAll(KeyBuffer& device, std::uint32_t count = KeyBuffer::kCapacity) {
    std::vector<KeyRecord> out(count + 1, KeyRecord{0xDEAD, 0xDEAD});
    Read read{device.GetDeviceData(out.data(), count), {}};
    for (std::uint32_t i = 0; i < count; ++i) {
        read.records.emplace_back(out[i].offset, out[i].data);
    }
    EXPECT_EQ(out[count].offset, 0xDEADu) << "wrote past the records handed out";
    return read;
}

using Records = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

TEST(KeyBufferTest, RecordsChangesInOrderOnlyWhileAcquired) {
    KeyBuffer device;
    device.OnKeyChange(DIK_LEFT, true);
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired);

    EXPECT_EQ(device.Acquire(), AcquireResult::Acquired);
    EXPECT_EQ(device.Acquire(), AcquireResult::AlreadyAcquired);
    EXPECT_EQ(ReadAll(device).records, Records{}) << "a change made before acquiring was kept";
    device.OnKeyChange(DIK_LEFT, true);
    device.OnKeyChange(DIK_A, true);
    device.OnKeyChange(DIK_LEFT, false);
    const Read read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    EXPECT_EQ(read.records, (Records{{DIK_LEFT, 0x80}, {DIK_A, 0x80}, {DIK_LEFT, 0}}));
    EXPECT_EQ(ReadAll(device).records, Records{});
}

TEST(KeyBufferTest, ReadHandsOutAtMostCountAndKeepsTheRest) {
    KeyBuffer device;
    device.Acquire();
    for (std::uint32_t key = 1; key <= 3; ++key) {
        device.OnKeyChange(key, true);
    }
    EXPECT_EQ(ReadAll(device, 2).records, (Records{{1, 0x80}, {2, 0x80}}));
    EXPECT_EQ(ReadAll(device, 0).records, Records{});
    EXPECT_EQ(ReadAll(device).records, (Records{{3, 0x80}}));

    device.OnKeyChange(4, false);
    std::uint32_t count = 1;
    EXPECT_EQ(device.GetDeviceData(nullptr, count), KeyReadResult::NoBuffer);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(ReadAll(device).records, (Records{{4, 0}})) << "a refused read lost a record";
}

TEST(KeyBufferTest, NinthChangeIsDroppedAndTheOverflowReportedOnce) {
    KeyBuffer device;
    device.Acquire();
    for (std::uint32_t key = 1; key <= 9; ++key) {
        device.OnKeyChange(key, true);
    }
    Read read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Overflowed);
    ASSERT_EQ(read.records.size(), 8u);
    EXPECT_EQ(read.records.front().first, 1u);
    EXPECT_EQ(read.records.back().first, 8u);

    read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    EXPECT_EQ(read.records, Records{});
    // The ring has wrapped; later changes still come out in order.
    for (std::uint32_t key = 10; key <= 17; ++key) {
        device.OnKeyChange(key, key % 2 == 0);
    }
    read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    ASSERT_EQ(read.records.size(), 8u);
    EXPECT_EQ(read.records[0], std::make_pair(10u, 0x80u));
    EXPECT_EQ(read.records[7], std::make_pair(17u, 0u));
}

TEST(KeyBufferTest, GivingTheDeviceUpDiscardsWaitingRecordsAndOverflow) {
    KeyBuffer device;
    device.Acquire();
    for (std::uint32_t key = 1; key <= 9; ++key) {
        device.OnKeyChange(key, true);
    }
    device.LoseAcquisition();
    device.OnKeyChange(DIK_UP, true);
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::InputLost);
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired) << "the loss is reported once";
    EXPECT_EQ(device.Acquire(), AcquireResult::Acquired);
    Read read = ReadAll(device);
    EXPECT_EQ(read.result, KeyReadResult::Ok);
    EXPECT_EQ(read.records, Records{});

    device.OnKeyChange(DIK_UP, true);
    device.Unacquire();
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired);
    device.LoseAcquisition(); // losing a device not held is no loss
    EXPECT_EQ(ReadAll(device).result, KeyReadResult::NotAcquired);
    device.Acquire();
    EXPECT_EQ(ReadAll(device).records, Records{});
}

TEST(KeyBufferTest, ConcurrentFeedingKeepsOrderAndReportsEveryDrop) {
    constexpr std::uint32_t kChanges = 20000;
    KeyBuffer device;
    device.Acquire();
    std::atomic<bool> done = false;
    std::thread feeder([&device, &done] {
        for (std::uint32_t key = 1; key <= kChanges; ++key) {
            device.OnKeyChange(key, true);
        }
        done = true;
    });
    std::uint32_t last = 0;
    bool previousOverflowed = false;
    for (bool finished = false; !finished;) {
        finished = done; // one more read after the feeder ends drains the buffer
        const Read read = ReadAll(device);
        for (std::size_t i = 0; i < read.records.size(); ++i) {
            const std::uint32_t key = read.records[i].first;
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

} // namespace
