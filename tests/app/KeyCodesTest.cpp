#include <gtest/gtest.h>

#include "app/KeyCodes.h"
#include "core/Input.h"
#include "platform/KeyBuffer.h"

#include <vector>

using namespace core;

namespace {

using platform::Key;
using Codes = std::vector<std::uint32_t>;

// The key buffer read as the application reads it: every change through the code table, the
// keys without a code left out.
class KeyCodesTest : public testing::Test {
protected:
    KeyCodesTest() { device.StartReading(); }

    void Change(Key key, bool pressed) { device.OnKeyChange(key, pressed); }
    Codes Poll() {
        Codes codes;
        device.Read([&codes](const platform::KeyChange& change) {
            if (const std::uint32_t code = app::InputCodeOf(change); code != 0) {
                codes.push_back(code);
            }
        });
        return codes;
    }

    platform::KeyBuffer device;
};

TEST_F(KeyCodesTest, EachGameKeyGivesItsPressedAndReleasedCode) {
    Change(Key::Left, true);
    Change(Key::Left, false);
    EXPECT_EQ(Poll(), (Codes{0xFF01, 0xFF02}));

    const std::pair<Key, std::uint32_t> keys[] = {{Key::Right, 0xFF03}, {Key::Up, 0xFF05},
                                                  {Key::Down, 0xFF07},  {Key::Escape, 0xFF09},
                                                  {Key::Enter, 0xFF11}, {Key::H, 0xFF21}};
    for (const auto& [key, pressed] : keys) {
        Change(key, true);
        Change(key, false);
        EXPECT_EQ(Poll(), (Codes{pressed, pressed + 1})) << static_cast<int>(key);
    }
    EXPECT_EQ(Poll(), Codes{});
}

TEST_F(KeyCodesTest, TabAndThePageKeysGiveTheirCodes) {
    const std::pair<Key, std::uint32_t> keys[] = {{Key::Tab, kKeyTabPressed},
                                                  {Key::PageUp, kKeyPageUpPressed},
                                                  {Key::PageDown, kKeyPageDownPressed}};
    for (const auto& [key, pressed] : keys) {
        Change(key, true);
        Change(key, false);
        EXPECT_EQ(Poll(), (Codes{pressed, pressed + 1})) << static_cast<int>(key);
    }
    EXPECT_TRUE(IsKeyPress(kKeyShiftTabPressed));
    EXPECT_FALSE(IsKeyPress(kKeyShiftTabReleased));
    EXPECT_FALSE(IsKeyPress(kMouseLeftDown));
}

TEST_F(KeyCodesTest, EitherShiftTurnsTabIntoShiftTabOnlyWhileHeld) {
    Change(Key::LeftShift, true);
    Change(Key::Tab, true);
    Change(Key::Tab, false);
    Change(Key::LeftShift, false);
    Change(Key::Tab, true);
    EXPECT_EQ(Poll(), (Codes{kKeyShiftTabPressed, kKeyShiftTabReleased, kKeyTabPressed}))
        << "Shift itself gives no code";
    Change(Key::Tab, false);
    Change(Key::RightShift, true);
    Change(Key::LeftShift, true);
    Change(Key::RightShift, false);
    Change(Key::Tab, true);
    EXPECT_EQ(Poll(), (Codes{kKeyTabReleased, kKeyShiftTabPressed})) << "the left one still held";
    Change(Key::LeftShift, false);
    Change(Key::Left, true);
    EXPECT_EQ(Poll(), Codes{kKeyLeftPressed}) << "Shift changes no other key";
}

TEST_F(KeyCodesTest, OtherKeysAreSkippedWithoutDisturbingTheOrder) {
    Change(Key::A, true);
    EXPECT_EQ(Poll(), Codes{});
    Change(Key::Down, true);
    Change(Key::Space, true);
    Change(Key::A, false);
    Change(Key::Escape, true);
    Change(Key::Down, false);
    EXPECT_EQ(Poll(), (Codes{kKeyDownPressed, kKeyEscapePressed, kKeyDownReleased}));
    for (const Key key : {Key::Digit1, Key::Digit0, Key::Backspace, Key::Q, Key::Z, Key::LeftShift,
                          Key::RightShift}) {
        EXPECT_EQ(app::InputCodeOf({key, true, false}), 0u) << static_cast<int>(key);
        EXPECT_EQ(app::InputCodeOf({key, false, true}), 0u) << static_cast<int>(key);
    }
}

} // namespace
