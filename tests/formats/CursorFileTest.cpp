#include <gtest/gtest.h>

#include "formats/CursorFile.h"
#include "formats/PngEncoder.h"

#include <string>
#include <vector>

namespace {

using formats::CursorFile;
using formats::CursorImage;
using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A headerless bitmap: stored (bottom-up) colour rows, then the mask rows, each row already
// padded by the caller.
struct Bitmap {
    int width = 0;
    int height = 0; // of the image; written doubled
    int bitCount = 32;
    Pixels palette{}; // 0xRRGGBB
    Bytes colourRows{};
    Bytes maskRows{};
    std::uint32_t colorsUsed = 0;

    Bytes Build() const {
        Bytes out(40);
        Put(out, 0, 40, 4);
        Put(out, 4, width, 4);
        Put(out, 8, 2 * height, 4);
        Put(out, 12, 1, 2);
        Put(out, 14, bitCount, 2);
        Put(out, 32, colorsUsed, 4);
        for (const std::uint32_t colour : palette) {
            out.resize(out.size() + 4);
            Put(out, out.size() - 4, colour, 4);
        }
        out.insert(out.end(), colourRows.begin(), colourRows.end());
        out.insert(out.end(), maskRows.begin(), maskRows.end());
        return out;
    }
};

struct Entry {
    int width; // 256 is written as 0
    int height;
    int hotspotX;
    int hotspotY;
    Bytes image;
};

// The directory, then the images in entry order.
Bytes BuildFile(std::vector<Entry> entries, std::uint32_t type = 2) {
    Bytes out(6 + 16 * entries.size());
    Put(out, 2, type, 2);
    Put(out, 4, static_cast<std::uint32_t>(entries.size()), 2);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t at = 6 + 16 * i;
        Put(out, at, entries[i].width & 0xFF, 1);
        Put(out, at + 1, entries[i].height & 0xFF, 1);
        Put(out, at + 4, entries[i].hotspotX, 2);
        Put(out, at + 6, entries[i].hotspotY, 2);
        Put(out, at + 8, static_cast<std::uint32_t>(entries[i].image.size()), 4);
        Put(out, at + 12, static_cast<std::uint32_t>(out.size()), 4);
        out.insert(out.end(), entries[i].image.begin(), entries[i].image.end());
    }
    return out;
}

CursorImage Parse(const Bytes& file) {
    CursorImage image;
    EXPECT_TRUE(CursorFile::Parse(file.data(), file.size(), image));
    return image;
}

// `rows` mask rows for images up to 32 wide, one 32-bit word each, leftmost pixel in the top
// bit; stored bottom-up like the colour rows.
Bytes MaskRows(const std::vector<std::uint32_t>& topDown) {
    Bytes out(4 * topDown.size());
    for (std::size_t y = 0; y < topDown.size(); ++y) {
        const std::uint32_t bits = topDown[topDown.size() - 1 - y];
        for (int i = 0; i < 4; ++i) {
            out[4 * y + i] = static_cast<std::uint8_t>(bits >> (24 - 8 * i));
        }
    }
    return out;
}

// A 16x16 black-and-white arrow: pixel (x, y) is white when x + y is odd, transparent where
// x > y, and the file's hotspot is (3, 5).
Bytes MonoCursor() {
    Bitmap bitmap{16, 16, 1, {0x000000, 0xFFFFFF}};
    std::vector<std::uint32_t> mask;
    for (int y = 15; y >= 0; --y) {
        const std::uint32_t row = (y % 2 == 0) ? 0x5555u : 0xAAAAu;
        bitmap.colourRows.insert(
            bitmap.colourRows.end(),
            {static_cast<std::uint8_t>(row >> 8), static_cast<std::uint8_t>(row), 0xEE, 0xEE});
    }
    for (int y = 0; y < 16; ++y) {
        mask.push_back(static_cast<std::uint32_t>(0xFFFF >> (y + 1)) << 16);
    }
    bitmap.maskRows = MaskRows(mask);
    return BuildFile({{16, 16, 3, 5, bitmap.Build()}});
}

TEST(CursorFileTest, OneBitCursorUsesItsPaletteMaskAndHotspot) {
    const CursorImage image = Parse(MonoCursor());
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 16);
    EXPECT_EQ(image.hotspotX, 3);
    EXPECT_EQ(image.hotspotY, 5);
    ASSERT_EQ(image.pixels.size(), 256u);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t colour = (x + y) % 2 == 1 ? 0xFFFFFF : 0;
            const std::uint32_t alpha = x > y ? 0 : 0xFF000000u;
            ASSERT_EQ(image.pixels[y * 16 + x], alpha | colour) << x << "," << y;
        }
    }
}

// 32x32, 32 bits: pixel (x, y) stored as B = x, G = y, R = x + y, A = 8 * x (so column 0 is
// fully transparent), with an all-set mask that the alpha channel must override.
TEST(CursorFileTest, ThirtyTwoBitAlphaChannelOverridesTheMask) {
    Bitmap bitmap{32, 32, 32};
    for (int y = 31; y >= 0; --y) {
        for (int x = 0; x < 32; ++x) {
            bitmap.colourRows.insert(bitmap.colourRows.end(),
                                     {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                      static_cast<std::uint8_t>(x + y),
                                      static_cast<std::uint8_t>(8 * x)});
        }
    }
    bitmap.maskRows = MaskRows(std::vector<std::uint32_t>(32, 0xFFFFFFFFu));
    const CursorImage image = Parse(BuildFile({{32, 32, 31, 0, bitmap.Build()}}));
    ASSERT_EQ(image.pixels.size(), 32u * 32u);
    EXPECT_EQ(image.hotspotX, 31);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const std::uint32_t expected = std::uint32_t(8 * x) << 24 | std::uint32_t(x + y) << 16 |
                                           std::uint32_t(y) << 8 | std::uint32_t(x);
            ASSERT_EQ(image.pixels[y * 32 + x], expected) << x << "," << y;
        }
    }
}

TEST(CursorFileTest, BitmapDepthsReadPaddedBottomUpRowsAndTheMask) {
    // 3x2 images; the top row's middle pixel is masked out. Padding bytes are 0xEE.
    const Bytes mask = MaskRows({0x40000000, 0});
    const Pixels palette = {0x102030, 0x405060, 0x708090};
    const Pixels expected = {0xFF708090, 0x00405060, 0xFF102030,
                             0xFF102030, 0xFF405060, 0xFF708090};
    const Bitmap bitmaps[] = {
        {3, 2, 4, palette, {0x01, 0x20, 0xEE, 0xEE, 0x21, 0x00, 0xEE, 0xEE}, mask, 3},
        {3, 2, 8, palette, {0, 1, 2, 0xEE, 2, 1, 0, 0xEE}, mask, 3},
        {3,
         2,
         24,
         {},
         {0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0x90, 0x80, 0x70, 0xEE, 0xEE, 0xEE,
          0x90, 0x80, 0x70, 0x60, 0x50, 0x40, 0x30, 0x20, 0x10, 0xEE, 0xEE, 0xEE},
         mask},
        {3,
         2,
         32,
         {},
         {0x30, 0x20, 0x10, 0, 0x60, 0x50, 0x40, 0, 0x90, 0x80, 0x70, 0,
          0x90, 0x80, 0x70, 0, 0x60, 0x50, 0x40, 0, 0x30, 0x20, 0x10, 0},
         mask}, // alpha all 0: the mask decides
    };
    for (const Bitmap& bitmap : bitmaps) {
        const CursorImage image = Parse(BuildFile({{3, 2, 0, 0, bitmap.Build()}}));
        EXPECT_EQ(image.pixels, expected) << bitmap.bitCount << " bits";
    }
}

Pixels Gradient(int width, int height) {
    Pixels pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) | (i % 3 == 0 ? 0 : 0x80000000u);
    }
    return pixels;
}

Bytes Png(int width, int height) {
    const std::string png = formats::PngEncoder::Encode(width, height, Gradient(width, height));
    return Bytes(png.begin(), png.end());
}

TEST(CursorFileTest, PngImagesAreDecodedWithTheirAlpha) {
    CursorImage image = Parse(BuildFile({{40, 30, 40, 30, Png(40, 30)}}));
    EXPECT_EQ(image.width, 40);
    EXPECT_EQ(image.height, 30);
    EXPECT_EQ(image.hotspotX, 40);
    EXPECT_EQ(image.hotspotY, 30);
    EXPECT_EQ(image.pixels, Gradient(40, 30));
    // Sides from 256 up are listed as 0.
    image = Parse(BuildFile({{256, 256, 1, 2, Png(300, 256)}}));
    EXPECT_EQ(image.width, 300);
    EXPECT_EQ(image.pixels, Gradient(300, 256));
}

TEST(CursorFileTest, LargestImageIsTakenAndTheFirstOfEquals) {
    const Bytes small = Bitmap{1, 1, 24, {}, {0, 0, 0xFF, 0}, {0, 0, 0, 0}}.Build();
    Bitmap green{2, 2, 24, {}, {0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0}};
    green.maskRows = MaskRows({0, 0});
    Bitmap blue = green;
    blue.colourRows = Bytes(16, 0);
    const CursorImage image = Parse(
        BuildFile({{1, 1, 0, 0, small}, {2, 2, 1, 1, green.Build()}, {2, 2, 0, 0, blue.Build()}}));
    EXPECT_EQ(image.pixels, Pixels(4, 0xFF00FF00));
    EXPECT_EQ(image.hotspotX, 1);
}

TEST(CursorFileTest, IconFilesPointAtTheirCentre) {
    Bytes file = MonoCursor();
    Put(file, 2, 1, 2); // icon type: the hotspot fields are planes and bit count
    Put(file, 10, 1, 2);
    Put(file, 12, 32, 2);
    const CursorImage image = Parse(file);
    EXPECT_EQ(image.hotspotX, 8);
    EXPECT_EQ(image.hotspotY, 8);
}

// The mono cursor's layout: directory 0..21, bitmap header 22..61, palette 62..69, colour rows
// 70..133, mask 134..197.
Bytes Changed(std::size_t at, std::uint32_t value, int size) {
    Bytes file = MonoCursor();
    Put(file, at, value, size);
    return file;
}

Bytes PngCursor(int listedWidth, Bytes png) {
    return BuildFile({{listedWidth, 1, 0, 0, std::move(png)}});
}

Bytes Truncated(Bytes bytes, std::size_t length) {
    bytes.resize(length);
    return bytes;
}

// A PNG signature and header claiming `width` x 1 pixels, with nothing behind it.
Bytes PngHeader(std::uint32_t width) {
    Bytes png = Png(1, 1);
    png.resize(33);
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
    }
    return png;
}

TEST(CursorFileTest, MalformedFilesAreRefusedAndLeaveTheImageEmpty) {
    const Bytes good = MonoCursor();
    ASSERT_EQ(good.size(), 198u);
    std::vector<std::pair<std::string, Bytes>> cases = {
        {"reserved", Changed(0, 1, 2)},
        {"type 0", Changed(2, 0, 2)},
        {"type 3", Changed(2, 3, 2)},
        {"count 0", Changed(4, 0, 2)},
        {"count past the file", Changed(4, 12, 2)},
        {"no image bytes", Changed(14, 0, 4)},
        {"image past the end", Changed(14, 177, 4)},
        {"huge image size", Changed(14, 0xFFFFFFFF, 4)},
        {"offset past the file", Changed(18, 199, 4)},
        {"huge offset", Changed(18, 0xFFFFFFFF, 4)},
        {"offset inside the directory", Changed(18, 6, 4)},
        {"hotspot past the image", Changed(10, 17, 2)},
        {"header size 12", Changed(22, 12, 4)},
        {"huge header size", Changed(22, 0xFFFFFFF0, 4)},
        {"width not the listed one", Changed(26, 15, 4)},
        {"absurd width", Changed(26, 0x7FFFFFFF, 4)},
        {"height not doubled", Changed(30, 16, 4)},
        {"top-down height", Changed(30, static_cast<std::uint32_t>(-32), 4)},
        {"planes 0", Changed(34, 0, 2)},
        {"2 bits", Changed(36, 2, 2)},
        {"16 bits", Changed(36, 16, 2)},
        {"compressed", Changed(38, 1, 4)},
        {"palette larger than the depth", Changed(54, 3, 4)},
        {"index past the palette", Changed(54, 1, 4)},
        {"PNG of 5000 x 1", PngCursor(0, PngHeader(5000))},
        {"PNG of 1025 x 1", PngCursor(0, PngHeader(1025))},
        {"PNG without a header", PngCursor(1, Truncated(Png(1, 1), 20))},
        {"PNG not the listed width", PngCursor(2, Png(1, 1))},
        {"PNG under 256 listed as 0", PngCursor(0, Png(255, 1))},
        {"PNG truncated", PngCursor(1, Truncated(Png(1, 1), Png(1, 1).size() - 13))},
    };
    for (const std::size_t length : {0, 1, 5, 6, 21, 22, 61, 62, 133, 197}) {
        cases.emplace_back("truncated to " + std::to_string(length), Truncated(good, length));
    }
    for (const auto& [name, file] : cases) {
        CursorImage image{1, 1, 1, 1, {7}};
        EXPECT_FALSE(CursorFile::Parse(file.data(), file.size(), image)) << name;
        EXPECT_EQ(image.width + image.height + image.hotspotX + image.hotspotY, 0) << name;
        EXPECT_TRUE(image.pixels.empty()) << name;
    }
    CursorImage image;
    EXPECT_FALSE(CursorFile::Parse(nullptr, 0, image));
}

} // namespace
