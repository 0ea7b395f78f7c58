#include <gtest/gtest.h>

#include "formats/GbkBytes.h"

namespace {

using formats::GbkBytes;

TEST(GbkBytesTest, LastCharacterStartWalksFromTheStart) {
    EXPECT_EQ(GbkBytes::LastCharacterStart(""), 0u);
    EXPECT_EQ(GbkBytes::LastCharacterStart("A"), 0u);
    EXPECT_EQ(GbkBytes::LastCharacterStart("\xC3\xFB"), 0u);
    EXPECT_EQ(GbkBytes::LastCharacterStart("A\xC3\xFB"), 1u);
    // The trail byte 0x40 looks like '@' but belongs to the pair.
    EXPECT_EQ(GbkBytes::LastCharacterStart("A\x81\x40"), 1u);
    EXPECT_EQ(GbkBytes::LastCharacterStart("A\x81"), 1u);
    // Only a walk from the start tells which 0x81 is a lead byte.
    EXPECT_EQ(GbkBytes::LastCharacterStart("\x81\x81\x81"), 2u);
    EXPECT_EQ(GbkBytes::LastCharacterStart("\x81\x81\x81\x81"), 2u);
}

} // namespace
