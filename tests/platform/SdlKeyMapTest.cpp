#include <gtest/gtest.h>

#include "platform/KeyBuffer.h"
#include "platform/sdl/SdlKeyMap.h"

#include <set>

namespace {

using namespace platform;

// Scancodes by their USB usage numbers, which the desktop library uses unchanged.
TEST(SdlKeyMapTest, GameKeysAndTypingKeysMapToTheirCodes) {
    EXPECT_EQ(DikFromScancode(80), DIK_LEFT);
    EXPECT_EQ(DikFromScancode(79), DIK_RIGHT);
    EXPECT_EQ(DikFromScancode(82), DIK_UP);
    EXPECT_EQ(DikFromScancode(81), DIK_DOWN);
    EXPECT_EQ(DikFromScancode(41), DIK_ESCAPE);
    EXPECT_EQ(DikFromScancode(40), DIK_RETURN);
    EXPECT_EQ(DikFromScancode(88), DIK_RETURN) << "keypad Enter";
    EXPECT_EQ(DikFromScancode(42), DIK_BACK);
    EXPECT_EQ(DikFromScancode(43), DIK_TAB);
    EXPECT_EQ(DikFromScancode(44), DIK_SPACE);
    EXPECT_EQ(DikFromScancode(75), DIK_PRIOR) << "Page Up";
    EXPECT_EQ(DikFromScancode(78), DIK_NEXT) << "Page Down";
    EXPECT_EQ(DikFromScancode(225), DIK_LSHIFT);
    EXPECT_EQ(DikFromScancode(229), DIK_RSHIFT);
    EXPECT_EQ(DikFromScancode(4), 0x1Eu);  // A
    EXPECT_EQ(DikFromScancode(20), 0x10u); // Q
    EXPECT_EQ(DikFromScancode(29), 0x2Cu); // Z
    EXPECT_EQ(DikFromScancode(30), 0x02u); // 1
    EXPECT_EQ(DikFromScancode(38), 0x0Au); // 9
    EXPECT_EQ(DikFromScancode(39), 0x0Bu); // 0
}

TEST(SdlKeyMapTest, LettersAreDistinctAndOtherKeysHaveNoCode) {
    std::set<std::uint32_t> letters;
    for (int scancode = 4; scancode <= 29; ++scancode) {
        letters.insert(DikFromScancode(scancode));
    }
    EXPECT_EQ(letters.size(), 26u);
    EXPECT_EQ(letters.count(0), 0u);
    for (const int other : {-1, 0, 3, 45, 58, 83, 89, 224, 512, 100000}) {
        EXPECT_EQ(DikFromScancode(other), 0u) << other;
    }
}

} // namespace
