#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "gfx/DisplayFixture.h"
#include "platform/Clock.h"
#include "platform/TextRenderer.h"
#include "widgets/TextField.h"

using namespace gfx;
using namespace scene;
using namespace widgets;

namespace {

constexpr int kBackspace = 8;
// GDI red (0x00BBGGRR) and its RGB565 pixel.
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint16_t kRedPixel = 0xF800;
// "名" in GBK.
const std::string kWide = "\xC3\xFB";

void Type(TextField& field, std::string_view bytes) {
    for (const char byte : bytes) {
        field.OnChar(static_cast<unsigned char>(byte));
    }
}

std::string Text(const TextField& field) {
    int length = 0;
    const char* text = field.GetText(length);
    return std::string(text, static_cast<std::size_t>(length));
}

// A focused field of 8 bytes accepting text, drawn on a 101-pixel-wide back buffer whose rows
// are padded to 104 pixels, with the system's font and a hand-moved blink clock.
class TextFieldTest : public DisplayFixture {
protected:
    TextFieldTest() : DisplayFixture(101, 40) {
        field.Configure(10, 5, 80, 16, 8, TextField::kAcceptsText, kRed);
        field.SetFocused(1);
    }

    // Every pixel of the padded rows that is not 0, as (x, y) pairs.
    std::vector<std::pair<int, int>> Ink() {
        std::vector<std::pair<int, int>> ink;
        const int stride = Back().Description().pitch / 2;
        for (int y = 0; y < Back().Height(); ++y) {
            for (int x = 0; x < stride; ++x) {
                if (Back().Row(y)[x] != 0) {
                    ink.emplace_back(x, y);
                }
            }
        }
        return ink;
    }
    std::string Bytes() { return std::string(field.buffer.get(), 8); }
    bool CaretAt(int x, int y) {
        return BackPixel(x, y) == kRedPixel && BackPixel(x + 1, y + 15) == kRedPixel;
    }

    platform::TextRenderer renderer;
    platform::ManualClock clock;
    TextField field{renderer, clock};
};

TEST_F(TextFieldTest, StoresPrintableBytesUpToCapacityMinusOne) {
    field.OnChar(0x100 | 'A');
    // Enter, Escape, Tab and Delete reach the field as characters; none of them is text.
    Type(field, "\r\033\t\x7f"
                "BCDEFGH");
    EXPECT_EQ(Bytes(), std::string("ABCDEFG\0", 8));
    field.Clear();
    EXPECT_EQ(Text(field), "");
    EXPECT_EQ(Bytes(), std::string(8, '\0'));
}

TEST_F(TextFieldTest, BackspaceRemovesWholeGbkCharacters) {
    const std::string onlyA("A\0\0\0\0\0\0\0", 8);
    Type(field, "A" + kWide);
    field.OnChar(kBackspace);
    EXPECT_EQ(Bytes(), onlyA);
    Type(field, kWide + "B");
    field.OnChar(kBackspace);
    EXPECT_EQ(Text(field), "A" + kWide);

    // The trail byte 0x40 looks like ASCII; the pair still goes as a whole.
    field.Clear();
    Type(field, "A\x81\x40");
    field.OnChar(kBackspace);
    EXPECT_EQ(Bytes(), onlyA);

    field.OnChar(kBackspace);
    field.OnChar(kBackspace);
    EXPECT_EQ(Text(field), "");
    EXPECT_EQ(Bytes(), std::string(8, '\0'));
}

TEST_F(TextFieldTest, IgnoresTypingUnlessFocusedAndAcceptingText) {
    field.SetFocused(0);
    Type(field, "AB");
    EXPECT_EQ(Text(field), "");
    field.Draw(*display);
    EXPECT_TRUE(Ink().empty());

    for (const std::uint32_t flags : {TextField::kMakesBuffer, 0u}) {
        TextField other(renderer, clock);
        other.Configure(0, 0, 10, 16, 8, static_cast<int>(flags), kRed);
        other.SetFocused(1);
        Type(other, "AB");
        int length = -1;
        const char* text = other.GetText(length);
        EXPECT_EQ(length, 0);
        EXPECT_EQ(text == nullptr, flags == 0);
    }
}

TEST_F(TextFieldTest, ConfigureWithoutCapacityChangesNothing) {
    Type(field, "AB");
    field.Configure(50, 20, 30, 16, 0, 3, 0x123456);
    field.Configure(50, 20, 30, 16, -1, 3, 0x123456);
    EXPECT_EQ(field.x, 10);
    EXPECT_EQ(field.y, 5);
    EXPECT_EQ(field.width, 80);
    EXPECT_EQ(field.color, kRed);
    EXPECT_EQ(field.capacity, 8);
    EXPECT_EQ(Text(field), "AB");
}

TEST_F(TextFieldTest, NewBufferKeepsTheTextInWholeCharacters) {
    Type(field, "AB" + kWide);
    field.Configure(10, 5, 80, 16, 8, TextField::kAcceptsText, kRed);
    EXPECT_EQ(Text(field), "AB" + kWide) << "configured again, as after a display switch";
    Type(field, "C");
    EXPECT_EQ(Text(field), "AB" + kWide + "C");

    // Room for three bytes would cut the two-byte character in half: it goes whole.
    field.Configure(10, 5, 80, 16, 4, TextField::kAcceptsText, kRed);
    EXPECT_EQ(Text(field), "AB");
    EXPECT_EQ(std::string(field.buffer.get(), 4), std::string("AB\0\0", 4));
    Type(field, "XY");
    EXPECT_EQ(Text(field), "ABX");
}

TEST_F(TextFieldTest, CaretBlinksByTheClock) {
    // Draws every 300 ms: a phase is judged by the time of the draw before.
    const bool expected[] = {true, true,  true,  false, false, false,
                             true, false, false, false, true,  false};
    for (const bool shown : expected) {
        ASSERT_EQ(display->ClearBackBuffer(0), SurfaceResult::Ok);
        field.Draw(*display);
        // The field is empty: the only ink is the 2 x 16 caret.
        EXPECT_EQ(CaretAt(10, 5), shown) << "at " << clock.now << " ms";
        EXPECT_EQ(Ink().size(), shown ? 32u : 0u) << "at " << clock.now << " ms";
        clock.Advance(300);
    }
}

TEST_F(TextFieldTest, CaretFollowsTheTextInTheFieldColour) {
    Type(field, "A" + kWide);
    field.Draw(*display);
    EXPECT_TRUE(CaretAt(34, 5));
    EXPECT_EQ(BackPixel(36, 5), 0);
    for (const auto& [x, y] : Ink()) {
        EXPECT_EQ(BackPixel(x, y), kRedPixel) << x << "," << y;
        EXPECT_TRUE(x >= 10 && x < 36 && y >= 5 && y < 21) << x << "," << y;
    }
}

TEST_F(TextFieldTest, DrawsNothingOutsideTheBackBuffer) {
    field.Configure(95, 30, 80, 16, 8, TextField::kAcceptsText, kRed);
    Type(field, kWide + "AgW");
    field.Draw(*display);
    TextField caretOnEdge(renderer, clock);
    caretOnEdge.Configure(100, 0, 8, 16, 8, TextField::kAcceptsText, kRed);
    caretOnEdge.SetFocused(1);
    caretOnEdge.Draw(*display);
    EXPECT_EQ(BackPixel(100, 0), kRedPixel);
    // The padding columns 101..103 stay 0, and nothing wraps round to the next row's start.
    for (const auto& [x, y] : Ink()) {
        EXPECT_TRUE(x >= 95 && x < 101) << x << "," << y;
    }
}

} // namespace
