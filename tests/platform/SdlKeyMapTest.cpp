#include <gtest/gtest.h>

#include "platform/Key.h"
#include "platform/sdl/SdlKeyMap.h"

#include <set>

namespace {

using namespace platform;

// Scancodes by their USB usage numbers, which the desktop library uses unchanged.
TEST(SdlKeyMapTest, GameKeysAndTypingKeysMapToTheirKeys) {
    EXPECT_EQ(KeyFromScancode(80), Key::Left);
    EXPECT_EQ(KeyFromScancode(79), Key::Right);
    EXPECT_EQ(KeyFromScancode(82), Key::Up);
    EXPECT_EQ(KeyFromScancode(81), Key::Down);
    EXPECT_EQ(KeyFromScancode(41), Key::Escape);
    EXPECT_EQ(KeyFromScancode(40), Key::Enter);
    EXPECT_EQ(KeyFromScancode(88), Key::Enter) << "keypad Enter";
    EXPECT_EQ(KeyFromScancode(42), Key::Backspace);
    EXPECT_EQ(KeyFromScancode(43), Key::Tab);
    EXPECT_EQ(KeyFromScancode(44), Key::Space);
    EXPECT_EQ(KeyFromScancode(75), Key::PageUp) << "Page Up";
    EXPECT_EQ(KeyFromScancode(78), Key::PageDown) << "Page Down";
    EXPECT_EQ(KeyFromScancode(225), Key::LeftShift);
    EXPECT_EQ(KeyFromScancode(229), Key::RightShift);
    EXPECT_EQ(KeyFromScancode(4), Key::A);
    EXPECT_EQ(KeyFromScancode(20), Key::Q);
    EXPECT_EQ(KeyFromScancode(29), Key::Z);
    EXPECT_EQ(KeyFromScancode(30), Key::Digit1);
    EXPECT_EQ(KeyFromScancode(38), Key::Digit9);
    EXPECT_EQ(KeyFromScancode(39), Key::Digit0);
}

TEST(SdlKeyMapTest, LettersAndDigitsAreDistinctAndOtherKeysHaveNone) {
    std::set<Key> typing;
    for (int scancode = 4; scancode <= 39; ++scancode) {
        const std::optional<Key> key = KeyFromScancode(scancode);
        ASSERT_TRUE(key.has_value()) << scancode;
        typing.insert(*key);
    }
    EXPECT_EQ(typing.size(), 36u);
    for (const int other : {-1, 0, 3, 45, 58, 83, 89, 224, 512, 100000}) {
        EXPECT_EQ(KeyFromScancode(other), std::nullopt) << other;
    }
}

} // namespace
