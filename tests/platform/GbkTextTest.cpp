#include <gtest/gtest.h>

#include <string>

#include "platform/GbkText.h"

namespace {

using platform::GbkText;

// "名字" in GBK.
const std::string kName = "\xC3\xFB\xD7\xD6";

TEST(GbkTextTest, FromUtf8KeepsWhatGbkCanHold) {
    EXPECT_EQ(GbkText::FromUtf8("名字Ab"), kName + "Ab");
    EXPECT_EQ(GbkText::FromUtf8(""), "");
    // An emoji has no GBK form: only it goes.
    EXPECT_EQ(GbkText::FromUtf8("A😀名字"), "A" + kName);
    // Invalid bytes go one by one; a cut-off sequence does not take the next character along.
    EXPECT_EQ(GbkText::FromUtf8("A\xFF\x80"
                                "B\xE5名字"),
              "AB" + kName);
    EXPECT_EQ(GbkText::FromUtf8("A\xE5\x90"), "A");
}

TEST(GbkTextTest, ToCodePointsDecodesAndReplacesBrokenBytes) {
    EXPECT_EQ(GbkText::ToCodePoints(GbkText::FromUtf8("名字Ab€")), U"名字Ab€");
    EXPECT_EQ(GbkText::ToCodePoints("A\x81"), U"A\uFFFD");
    // 0x81 0x30 is no GBK pair: the lead is replaced and the '0' after it survives.
    EXPECT_EQ(GbkText::ToCodePoints("\x81\x30"
                                    "B\xFF"),
              U"\uFFFD0B\uFFFD");
}

} // namespace
