#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "widgets/NumberDisplay.h"

using namespace gfx;
using namespace scene;
using namespace widgets;

namespace {

constexpr int kDigitWidth = 3;
constexpr int kDigitHeight = 2;
// The display's screen position; the digits' row lies one below its top.
constexpr int kLeft = 5;
constexpr int kTop = 2;

// Every pixel of a digit tells the digit, its column and its row.
std::uint32_t DigitColour(int frame, int x, int y) {
    return static_cast<std::uint32_t>(frame * 0x100000 + x * 0x40 + y * 0x08);
}

// Digits 3 x 2 on a 40 x 6 back buffer, the display at (5, 2).
class NumberDisplayTest : public WidgetFixture {
protected:
    NumberDisplayTest() : WidgetFixture(40, 6) {
        path = WriteStrip("digits.bmp", 10, kDigitWidth, kDigitHeight, DigitColour);
        EXPECT_EQ(number.Load(*display, path, 99, 1, 10 * kDigitWidth, kDigitHeight, 0), 1);
        Resize(24);
    }

    void Resize(int width) {
        number.SetSize(width, 4);
        number.SetPosition(kLeft, kTop);
    }

    void Frame() {
        display->ClearBackBuffer(0);
        number.Draw(*display);
    }

    // The back buffer with `digits` stamped from screen x `left` on, cut left of the display.
    std::vector<std::uint16_t> Stamped(int left, const std::string& digits) {
        std::vector<std::uint16_t> pixels(static_cast<std::size_t>(Back().Width()) *
                                          Back().Height());
        for (std::size_t i = 0; i < digits.size(); ++i) {
            for (int dx = 0; dx < kDigitWidth; ++dx) {
                const int x = left + static_cast<int>(i) * kDigitWidth + dx;
                for (int dy = 0; dy < kDigitHeight && x >= kLeft; ++dy) {
                    pixels[static_cast<std::size_t>(kTop + 1 + dy) * Back().Width() + x] =
                        PixelKernels::ToRgb565(DigitColour(digits[i] - '0' + 1, dx, dy));
                }
            }
        }
        return pixels;
    }

    std::string path;
    NumberDisplay number;
};

TEST_F(NumberDisplayTest, DigitsAreRightAlignedAndPaddedWithZeros) {
    struct Case {
        int value, minDigits, width;
        int left; // screen x of the first digit drawn
        std::string digits;
    };
    const Case cases[] = {
        {0, 0, 24, 0, ""},
        {0, 3, 24, 20, "000"},
        {7, 3, 24, 20, "007"},
        {1234, 3, 24, 17, "1234"},
        {1000, 6, 24, 11, "001000"},
        // Narrower than the digits: the leading ones fall left of the display and are cut.
        {1234, 0, 6, 5, "34"},
        {1234, 2, 7, 3, "234"},
    };
    for (const Case& c : cases) {
        number.minDigits = c.minDigits;
        number.SetValue(c.value);
        Resize(c.width);
        Frame();
        EXPECT_TRUE(BackEquals(Stamped(c.left, c.digits)))
            << c.value << " with " << c.minDigits << " digits in " << c.width;
    }
}

TEST_F(NumberDisplayTest, NegativeValuesAndReloadsKeepTheNumberShown) {
    number.SetValue(42);
    number.SetValue(-5);
    EXPECT_EQ(number.value, 42);
    ASSERT_EQ(number.Load(*display, path, 0, 1, 10 * kDigitWidth, kDigitHeight, 3), 1);
    EXPECT_EQ(number.Children().size(), 1u) << "the strip is listed once";
    Frame();
    EXPECT_TRUE(BackEquals(Stamped(20, "042")));
}

} // namespace
