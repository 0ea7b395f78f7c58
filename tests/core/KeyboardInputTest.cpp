#include <gtest/gtest.h>

#include "core/Input.h"
#include "core/KeyboardInput.h"

#include <memory>
#include <vector>

using namespace core;

namespace {

using namespace platform;
using Codes = std::vector<std::uint32_t>;

class KeyboardInputTest : public testing::Test {
protected:
    void Change(std::uint32_t dik, bool pressed) { device.OnKeyChange(dik, pressed); }
    Codes Poll() {
        codes.clear();
        input->Poll();
        return codes;
    }

    KeyBuffer device;
    Codes codes;
    std::unique_ptr<KeyboardInput> input = std::make_unique<KeyboardInput>(
        &device, [this](std::uint32_t code) { codes.push_back(code); });
};

TEST_F(KeyboardInputTest, EachGameKeyGivesItsPressedAndReleasedCode) {
    Change(DIK_LEFT, true);
    Change(DIK_LEFT, false);
    EXPECT_EQ(Poll(), (Codes{0xFF01, 0xFF02}));

    const std::pair<std::uint32_t, std::uint32_t> keys[] = {
        {DIK_RIGHT, 0xFF03},  {DIK_UP, 0xFF05},     {DIK_DOWN, 0xFF07},
        {DIK_ESCAPE, 0xFF09}, {DIK_RETURN, 0xFF11}, {DIK_H, 0xFF21}};
    for (const auto& [dik, pressed] : keys) {
        Change(dik, true);
        Change(dik, false);
        EXPECT_EQ(Poll(), (Codes{pressed, pressed + 1})) << dik;
    }
    EXPECT_EQ(Poll(), Codes{});
}

TEST_F(KeyboardInputTest, TabAndThePageKeysGiveTheirCodes) {
    const std::pair<std::uint32_t, std::uint32_t> keys[] = {
        {DIK_TAB, kKeyTabPressed}, {DIK_PRIOR, kKeyPageUpPressed}, {DIK_NEXT, kKeyPageDownPressed}};
    for (const auto& [dik, pressed] : keys) {
        Change(dik, true);
        Change(dik, false);
        EXPECT_EQ(Poll(), (Codes{pressed, pressed + 1})) << dik;
    }
    EXPECT_TRUE(IsKeyPress(kKeyShiftTabPressed));
    EXPECT_FALSE(IsKeyPress(kKeyShiftTabReleased));
    EXPECT_FALSE(IsKeyPress(kMouseLeftDown));
}

TEST_F(KeyboardInputTest, EitherShiftTurnsTabIntoShiftTabOnlyWhileHeld) {
    Change(DIK_LSHIFT, true);
    Change(DIK_TAB, true);
    Change(DIK_TAB, false);
    Change(DIK_LSHIFT, false);
    Change(DIK_TAB, true);
    EXPECT_EQ(Poll(), (Codes{kKeyShiftTabPressed, kKeyShiftTabReleased, kKeyTabPressed}))
        << "Shift itself gives no code";
    Change(DIK_TAB, false);
    Change(DIK_RSHIFT, true);
    Change(DIK_LSHIFT, true);
    Change(DIK_RSHIFT, false);
    Change(DIK_TAB, true);
    EXPECT_EQ(Poll(), (Codes{kKeyTabReleased, kKeyShiftTabPressed})) << "the left one still held";
    Change(DIK_LSHIFT, false);
    Change(DIK_LEFT, true);
    EXPECT_EQ(Poll(), Codes{kKeyLeftPressed}) << "Shift changes no other key";
}

TEST_F(KeyboardInputTest, AShiftLetGoWhileTheWindowWasInactiveIsNotHeldAfterwards) {
    Change(DIK_LSHIFT, true);
    EXPECT_EQ(Poll(), Codes{});
    device.LoseAcquisition();
    input->Reacquire();
    Change(DIK_TAB, true);
    EXPECT_EQ(Poll(), Codes{kKeyTabPressed});
}

TEST_F(KeyboardInputTest, OtherKeysAreSkippedWithoutDisturbingTheOrder) {
    Change(DIK_A, true);
    EXPECT_EQ(Poll(), Codes{});
    Change(DIK_DOWN, true);
    Change(DIK_SPACE, true);
    Change(DIK_A, false);
    Change(DIK_ESCAPE, true);
    Change(DIK_DOWN, false);
    EXPECT_EQ(Poll(), (Codes{kKeyDownPressed, kKeyEscapePressed, kKeyDownReleased}));
}

TEST_F(KeyboardInputTest, OverflowingPollDropsItsChangesAndTheNextPollStartsFresh) {
    for (int i = 0; i < 5; ++i) {
        Change(DIK_UP, i % 2 == 0);
    }
    Change(DIK_LEFT, true);
    Change(DIK_LEFT, false);
    Change(DIK_RIGHT, true);
    Change(DIK_RIGHT, false); // the ninth change: lost
    EXPECT_EQ(Poll(), Codes{});
    // Neither the dropped records nor the lost one come back, and the device stays in use.
    EXPECT_EQ(Poll(), Codes{});
    Change(DIK_RETURN, true);
    EXPECT_EQ(Poll(), Codes{kKeyEnterPressed});
}

TEST_F(KeyboardInputTest, LostDeviceIsReacquiredByThePollWithoutEvents) {
    Change(DIK_LEFT, true);
    device.LoseAcquisition();
    Change(DIK_RIGHT, true); // while inactive: not recorded
    EXPECT_EQ(Poll(), Codes{});
    EXPECT_EQ(device.Acquire(), AcquireResult::AlreadyAcquired) << "the poll did not re-acquire";
    Change(DIK_RIGHT, false);
    EXPECT_EQ(Poll(), Codes{kKeyRightReleased});

    device.Unacquire();
    input->Reacquire();
    Change(DIK_UP, true);
    EXPECT_EQ(Poll(), Codes{kKeyUpPressed});
}

TEST_F(KeyboardInputTest, LifetimeHoldsTheDevice) {
    EXPECT_EQ(device.Acquire(), AcquireResult::AlreadyAcquired) << "construction did not acquire";
    input.reset();
    EXPECT_EQ(device.Acquire(), AcquireResult::Acquired)
        << "destruction did not give the device up";
}

TEST(KeyboardInputWithoutParts, NullDeviceOrCallbackDoNothing) {
    int calls = 0;
    KeyboardInput none(nullptr, [&calls](std::uint32_t) { ++calls; });
    none.Poll();
    none.Reacquire();
    EXPECT_EQ(calls, 0);

    KeyBuffer device;
    KeyboardInput silent(&device, nullptr);
    device.OnKeyChange(DIK_LEFT, true);
    silent.Poll();
    KeyRecord left[KeyBuffer::kCapacity];
    std::uint32_t count = KeyBuffer::kCapacity;
    EXPECT_EQ(device.GetDeviceData(left, count), KeyReadResult::Ok);
    EXPECT_EQ(count, 0u) << "the change was read, and reported to nobody";
}

} // namespace
