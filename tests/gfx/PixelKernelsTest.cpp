#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gfx/PixelKernels.h"

using namespace gfx;

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

TEST(PixelKernelsTest, RowConversionMatchesThePixelConversionOnEveryWidth) {
    std::mt19937 random(3);
    for (int width = 0; width <= 37; ++width) {
        // The high byte is whatever a decoder left there; values above 0x7FFF must survive the
        // packing into 16 bits.
        std::vector<std::uint32_t> colors(width);
        for (auto& color : colors) {
            color = static_cast<std::uint32_t>(random());
        }
        std::vector<std::uint16_t> expected(width + 1, 0xABCD);
        std::vector<std::uint16_t> row(width + 1, 0xABCD);
        for (int i = 0; i < width; ++i) {
            expected[i] = PixelKernels::ToRgb565(colors[i]);
        }
        PixelKernels::ToRgb565Row(colors.data(), row.data(), width);
        ASSERT_EQ(row, expected) << "width " << width << "; nothing past the row is written";
    }
}

TEST(PixelKernelsTest, FillSetsEachRowUpToItsWidthOnly) {
    for (int width = 0; width <= 37; ++width) {
        const int stride = width + 3;
        std::vector<std::uint16_t> pixels(static_cast<std::size_t>(stride) * 2, 0xABCD);
        PixelKernels::Fill(pixels.data(), stride * 2, width, 2, 0x8421);
        for (int i = 0; i < stride * 2; ++i) {
            ASSERT_EQ(pixels[i], i % stride < width ? 0x8421 : 0xABCD) << "width " << width;
        }
    }
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

TEST(PixelKernelsTest, FastAlphaRowMatchesTheReferenceOnEveryWidthScaleAndPlane) {
    std::mt19937 random(7);
    for (int width = 1; width <= 37; ++width) {
        for (const unsigned scale : {1u, 2u, 129u, 256u}) {
            std::vector<std::uint32_t> pixels(width);
            std::vector<std::uint16_t> dest(width);
            for (int i = 0; i < width; ++i) {
                // Fully clear and fully solid pixels take their own paths.
                const unsigned pick = random() % 4;
                const std::uint32_t alpha = pick == 0 ? 0 : pick == 1 ? 255 : random() & 0xFF;
                pixels[i] = alpha << 24 | (random() & 0xFFFFFF);
                dest[i] = static_cast<std::uint16_t>(random());
            }
            std::vector<std::uint16_t> expected = dest;
            PixelKernels::BlendAlphaRowReference(expected.data(), pixels.data(), scale, width);
            PixelKernels::BlendAlphaRow(dest.data(), pixels.data(), scale, width);
            ASSERT_EQ(dest, expected) << "width " << width << " scale " << scale;
        }
    }
    // A half-transparent white over black lands halfway, and solid pixels are copied exactly.
    std::vector<std::uint16_t> black(8, 0);
    PixelKernels::BlendAlphaRow(black.data(), std::vector<std::uint32_t>(8, 0x80FFFFFF).data(), 256,
                                8);
    EXPECT_EQ(black[3], PixelKernels::ToRgb565(0x7F7F7F));
    PixelKernels::BlendAlphaRow(black.data(), std::vector<std::uint32_t>(8, 0xFFFFFFFF).data(), 256,
                                8);
    EXPECT_EQ(black[7], 0xFFFF);
}

} // namespace
