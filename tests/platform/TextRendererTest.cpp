#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/TextRenderer.h"

namespace {

using platform::TextRenderer;

constexpr std::uint16_t kBackground = 0x1234;
constexpr std::uint32_t kColor = 0xFF8040;
// kColor truncated to RGB565.
constexpr std::uint16_t kPixel = 0xFC08;
// Guard pixels on every side of the drawing area.
constexpr int kGuard = 4;
// "名" in GBK.
const std::string kWide = "\xC3\xFB";

// A width x height buffer inside a frame of guard pixels that must stay untouched.
class Canvas {
public:
    Canvas(TextRenderer& renderer, int width, int height)
        : renderer(renderer), width(width), height(height), stride(width + 2 * kGuard),
          storage(static_cast<std::size_t>(stride) * (height + 2 * kGuard), kBackground) {}

    bool Draw(int x, int y, const std::string& gbk,
              platform::Rect clip = {0, 0, INT_MAX, INT_MAX}) {
        return renderer.Draw(&storage[kGuard * stride + kGuard], stride * 2, width, height, x, y,
                             gbk, kColor, clip);
    }
    // The pixel at (x, y) of the drawing area; the guard frame lies at -kGuard..-1 and beyond.
    std::uint16_t At(int x, int y) const { return storage[(y + kGuard) * stride + x + kGuard]; }

    // Written pixels (each must be exactly kPixel) lie inside `box`; returns how many there are.
    int CountInk(const platform::Rect& box) const {
        int count = 0;
        for (int y = -kGuard; y < height + kGuard; ++y) {
            for (int x = -kGuard; x < width + kGuard; ++x) {
                if (At(x, y) == kBackground) {
                    continue;
                }
                EXPECT_EQ(At(x, y), kPixel) << x << "," << y;
                EXPECT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom)
                    << "ink at " << x << "," << y;
                ++count;
            }
        }
        return count;
    }

    TextRenderer& renderer;
    int width;
    int height;
    int stride;
    std::vector<std::uint16_t> storage;
};

class TextRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!renderer.Available()) {
            GTEST_SKIP() << "GNU Unifont is not installed";
        }
    }

    TextRenderer renderer;
};

TEST_F(TextRendererTest, HalfWidthTextStaysInEightBySixteenCells) {
    Canvas canvas(renderer, 24, 24);
    ASSERT_TRUE(canvas.Draw(2, 3, "A"));
    EXPECT_GT(canvas.CountInk({2, 3, 10, 19}), 10);
    // A descender stays inside the 16 rows as well.
    Canvas descender(renderer, 24, 24);
    descender.Draw(2, 3, "g");
    EXPECT_GT(descender.CountInk({2, 3, 10, 19}), 10);
}

TEST_F(TextRendererTest, FullWidthCharacterTakesSixteenPixels) {
    // The right half of "名", drawn 8 pixels left of the buffer, shows.
    Canvas half(renderer, 8, 16);
    half.Draw(-8, 0, kWide);
    EXPECT_GT(half.CountInk({0, 0, 8, 16}), 0);
    // The letter after it starts 16 pixels on: drawing it there again adds nothing.
    Canvas canvas(renderer, 24, 16);
    canvas.Draw(0, 0, kWide + "A");
    EXPECT_GT(canvas.CountInk({0, 0, 24, 16}), 0);
    const auto before = canvas.storage;
    canvas.Draw(16, 0, "A");
    EXPECT_EQ(canvas.storage, before);
}

TEST_F(TextRendererTest, NeverWritesOutsideTheBufferOrClip) {
    const std::string text = kWide + "\xD7\xD6" + "AgW";
    Canvas canvas(renderer, 20, 10);
    for (const auto& [x, y] : {std::pair{-5, -6},
                               {12, 4},
                               {-30, 0},
                               {0, -15},
                               {19, 9},
                               {INT_MAX - 8, 0},
                               {0, INT_MAX - 4},
                               {INT_MIN, INT_MIN}}) {
        EXPECT_TRUE(canvas.Draw(x, y, text));
    }
    EXPECT_GT(canvas.CountInk({0, 0, 20, 10}), 0);

    Canvas clipped(renderer, 20, 20);
    clipped.Draw(0, 0, text, {3, 5, 11, 12});
    EXPECT_GT(clipped.CountInk({3, 5, 11, 12}), 0);
}

TEST_F(TextRendererTest, EmptyTextAndControlCharactersDrawNothing) {
    Canvas canvas(renderer, 40, 20);
    EXPECT_TRUE(canvas.Draw(0, 0, ""));
    EXPECT_TRUE(canvas.Draw(0, 0, std::string("\0\r\x1B", 3)));
    EXPECT_EQ(canvas.CountInk({}), 0);
    // They still advance one cell each.
    canvas.Draw(0, 0,
                "\r\x1B"
                "A");
    EXPECT_GT(canvas.CountInk({16, 0, 24, 16}), 0);
}

TEST(TextRendererUnavailableTest, DrawsNothingWithoutTheFont) {
    TextRenderer renderer("/nonexistent/unifont.otf");
    EXPECT_FALSE(renderer.Available());
    std::vector<std::uint16_t> pixels(64, kBackground);
    EXPECT_FALSE(renderer.Draw(pixels.data(), 16, 8, 8, 0, 0, "A", kColor, {0, 0, 8, 8}));
    EXPECT_EQ(pixels, std::vector<std::uint16_t>(64, kBackground));
}

} // namespace
