#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "shell/PixelKernels.h"

namespace {

TEST(PixelKernelsTest, WideningAndNarrowingRoundTripEveryPixel) {
    for (unsigned p = 0; p <= 0xFFFF; ++p) {
        ASSERT_EQ(PixelKernels::ToRgb565(PixelKernels::ToRgb888(static_cast<std::uint16_t>(p))), p);
    }
    EXPECT_EQ(PixelKernels::ToRgb888(0xFFFF), 0xFFFFFFu);
    EXPECT_EQ(PixelKernels::ToRgb888(0xF81F), 0xFF00FFu);
    EXPECT_EQ(PixelKernels::ToRgb565(0xFF00FF), 0xF81F);
    EXPECT_EQ(PixelKernels::ToRgb565(0x070307), 0x0000) << "low bits are truncated";
}

TEST(PixelKernelsTest, FastBlendMatchesTheReferenceOnEveryWidthAndPitch) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pixel(0, 0xFFFF);
    const std::uint16_t key = 0xF81F;
    for (int width = 1; width <= 37; ++width) {
        for (const int alpha : {0, 1, 77, 128, 200, 255}) {
            const int rows = 3;
            const int sourceStride = width + 3;
            const int destStride = width + 5;
            std::vector<std::uint16_t> source(static_cast<std::size_t>(sourceStride) * rows);
            std::vector<std::uint16_t> dest(static_cast<std::size_t>(destStride) * rows);
            for (auto& p : source) {
                p = random() % 5 == 0 ? key : static_cast<std::uint16_t>(pixel(random));
            }
            for (auto& p : dest) {
                p = static_cast<std::uint16_t>(pixel(random));
            }
            std::vector<std::uint16_t> expected = dest;
            PixelKernels::BlendKeyedReference(expected.data(), destStride * 2, source.data(),
                                              sourceStride * 2, width, rows, key, alpha);
            PixelKernels::BlendKeyed(dest.data(), destStride * 2, source.data(), sourceStride * 2,
                                     width, rows, key, alpha);
            ASSERT_EQ(dest, expected) << "width " << width << " alpha " << alpha;
        }
    }
}

} // namespace
