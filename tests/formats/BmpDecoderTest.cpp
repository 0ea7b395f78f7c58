#include <gtest/gtest.h>

#include "formats/BmpDecoder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using formats::BmpDecoder;
using formats::DecodedImage;
using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitfields = 3;

// Palette entries; entry 0 is distinct so pixels an RLE stream skips are recognisable.
constexpr std::uint32_t kZero = 0x0A0B0C, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF,
                        kGrey = 0x123456;
const Pixels kPalette = {kZero, kRed, kGreen, kBlue, kGrey};

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// The fields of a bitmap file the tests vary; Build() lays them out byte by byte.
struct BmpFile {
    int width = 0;
    int height = 0;
    int bitCount = 24;
    Bytes pixels{};
    Pixels palette{}; // 0xRRGGBB, written as BGRX (BGR with the 12-byte header)
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> masks{}; // red, green, blue
    std::uint32_t headerSize = 40;
    std::int64_t colorsUsed = -1; // -1: the palette's size

    Bytes Build() const {
        const bool core = headerSize == 12;
        Bytes out(std::max<std::size_t>(14 + headerSize, masks.empty() ? 0 : 66));
        Put(out, 0, 'B' | 'M' << 8, 2);
        Put(out, 14, headerSize, 4);
        Put(out, 18, width, core ? 2 : 4);
        Put(out, core ? 20 : 22, height, core ? 2 : 4);
        Put(out, core ? 22 : 26, 1, 2);
        Put(out, core ? 24 : 28, bitCount, 2);
        if (!core) {
            Put(out, 30, compression, 4);
            Put(out, 46, colorsUsed < 0 ? palette.size() : colorsUsed, 4);
        }
        for (std::size_t i = 0; i < masks.size(); ++i) {
            Put(out, 54 + 4 * i, masks[i], 4);
        }
        for (const std::uint32_t colour : palette) {
            out.resize(out.size() + (core ? 3 : 4));
            Put(out, out.size() - (core ? 3 : 4), colour, 3);
        }
        Put(out, 10, static_cast<std::uint32_t>(out.size()), 4);
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

BmpFile Paletted(int width, int height, int bitCount, Bytes pixels, Pixels palette = kPalette) {
    return {width, height, bitCount, std::move(pixels), std::move(palette)};
}

BmpFile Fields(int width, int bitCount, std::vector<std::uint32_t> masks, Bytes pixels) {
    return {width, 1, bitCount, std::move(pixels), {}, kBitfields, std::move(masks)};
}

// Stored rows, each padded to four bytes with junk that must never show up.
Bytes Rows(std::initializer_list<Bytes> rows) {
    Bytes out;
    for (const Bytes& row : rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize((out.size() + 3) / 4 * 4, 0xEE);
    }
    return out;
}

DecodedImage Decode(const Bytes& bytes) {
    // A copy of exactly the file's size: a vector may have room past its end, where the
    // sanitizer build would not see a read past the file.
    const auto exact = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), exact.get());
    DecodedImage image;
    EXPECT_TRUE(BmpDecoder::Decode(exact.get(), bytes.size(), image));
    EXPECT_FALSE(image.hasAlpha);
    return image;
}

// Decodes `file` and compares every pixel against `rgb`, top row first.
void ExpectImage(const BmpFile& file, Pixels rgb) {
    const DecodedImage image = Decode(file.Build());
    EXPECT_EQ(image.width, file.width);
    EXPECT_EQ(image.height, std::abs(file.height));
    for (std::uint32_t& p : rgb) {
        p |= 0xFF000000u;
    }
    EXPECT_EQ(image.pixels, rgb);
}

TEST(BmpDecoderTest, PalettedBitCountsReadIndicesHighBitsFirst) {
    BmpFile mono = Paletted(3, 2, 1, Rows({{0b1010'0000}, {0b0110'0000}}), {kGrey, kBlue});
    mono.colorsUsed = 0; // a full palette of two
    ExpectImage(mono, {kGrey, kBlue, kBlue, kBlue, kGrey, kBlue});
    ExpectImage(Paletted(3, 2, 4, Rows({{0x12, 0x30}, {0x40, 0x13}})),
                {kGrey, kZero, kRed, kRed, kGreen, kBlue});
    ExpectImage(Paletted(5, 1, 8, Rows({{4, 3, 2, 1, 0}})), {kGrey, kBlue, kGreen, kRed, kZero});
}

TEST(BmpDecoderTest, TwentyFourBitRowsAreBottomUpUnlessHeightIsNegative) {
    const Bytes rows = Rows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}});
    ExpectImage({3, 2, 24, rows}, {0x0C0B0A, 0x0F0E0D, 0x121110, 0x030201, 0x060504, 0x090807});
    ExpectImage({3, -2, 24, rows}, {0x030201, 0x060504, 0x090807, 0x0C0B0A, 0x0F0E0D, 0x121110});
    // Four pixels need no padding, so the last one ends the file (the sanitizer build catches a
    // read past it).
    ExpectImage({4, 1, 24, Rows({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}})},
                {0x030201, 0x060504, 0x090807, 0x0C0B0A});
}

TEST(BmpDecoderTest, CoreHeaderPaletteIsThreeByteEntriesUpToThePixels) {
    BmpFile core = Paletted(3, 1, 8, Rows({{1, 0, 1}}), {kGrey, kRed});
    core.headerSize = 12;
    ExpectImage(core, {kRed, kGrey, kRed});
}

TEST(BmpDecoderTest, SixteenBitChannelsScaleToFullRangeWithRounding) {
    // 5-5-5: 0x7FFF is white; 0x4210 is 16 of 31 per channel, 131.6, rounded to 132.
    ExpectImage({3, 1, 16, Rows({{0xFF, 0x7F, 0x10, 0x42, 0x1F, 0x80}})},
                {0xFFFFFF, 0x848484, kBlue});
    // 5-6-5: green 32 of 63 is 129.5, rounded to 130.
    ExpectImage(Fields(3, 16, {0xF800, 0x07E0, 0x001F}, Rows({{0, 0xF8, 0, 0x04, 0xFF, 0xFF}})),
                {kRed, 0x008200, 0xFFFFFF});
}

TEST(BmpDecoderTest, ThirtyTwoBitIgnoresTheHighByteAndHonoursMasks) {
    ExpectImage({2, 1, 32, {0x33, 0x22, 0x11, 0x00, 0x66, 0x55, 0x44, 0x99}}, {0x112233, 0x445566});
    // Blue-green-red from the high byte down, the masks inside a large header.
    BmpFile reversed = Fields(1, 32, {0xFF00, 0xFF0000, 0xFF000000}, {0x00, 0x11, 0x22, 0x33});
    reversed.headerSize = 124;
    ExpectImage(reversed, {0x112233});
    // Ten-bit channels: 0x3FF is 255, 0x200 rounds to 128.
    ExpectImage(Fields(1, 32, {0x3FF00000, 0xFFC00, 0x3FF}, {0x00, 0x00, 0xF8, 0x3F}), {0xFF8000});
}

TEST(BmpDecoderTest, Rle8RunsAbsoluteEndOfLineDeltaAndClipping) {
    // From the bottom row: run of 2, absolute of 3 plus its pad byte, end of line; a delta over
    // two pixels, a run of 9 clipped at the right edge; a delta out of the image and a run that
    // must go nowhere. The stream stops without an end-of-bitmap; the top row keeps entry 0.
    BmpFile rle =
        Paletted(5, 3, 8, {2, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 2, 0, 9, 3, 0, 2, 0, 9, 5, 4});
    rle.compression = kRle8;
    ExpectImage(rle, {kZero, kZero, kZero, kZero, kZero, //
                      kZero, kZero, kBlue, kBlue, kBlue, //
                      kRed, kRed, kGreen, kBlue, kGrey});
}

TEST(BmpDecoderTest, Rle4AlternatesNibblesAndStopsAtEndOfBitmap) {
    // An absolute of 5 nibbles in three bytes plus a pad byte, end of line; a run of 3
    // alternating 2 and 3, a delta one row up; a run of 1, then end of bitmap hides the last run.
    BmpFile rle = Paletted(
        5, 3, 4, {0, 5, 0x12, 0x34, 0x10, 0x77, 0, 0, 3, 0x23, 0, 2, 0, 1, 1, 0x40, 0, 1, 1, 0x11});
    rle.compression = kRle4;
    ExpectImage(rle, {kZero, kZero, kZero, kGrey, kZero,   //
                      kGreen, kBlue, kGreen, kZero, kZero, //
                      kRed, kGreen, kBlue, kGrey, kRed});
}

// Valid files that the hostile cases below each break in one way.
BmpFile Small24() {
    return {5, 3, 24, Bytes(48, 0x80)};
}
BmpFile EightBit() {
    return Paletted(2, 1, 8, Rows({{1, 0}}), {kRed, kBlue});
}
BmpFile Rle8() { // absolute 1 0 1 and its pad, a run of one 1, end of bitmap
    BmpFile file = Paletted(4, 1, 8, {0, 3, 1, 0, 1, 0, 1, 1, 0, 1}, {kRed, kBlue});
    file.compression = kRle8;
    return file;
}
BmpFile Core1() {
    BmpFile file = Paletted(2, 1, 1, Rows({{0x40}}), {kRed, kBlue});
    file.headerSize = 12;
    return file;
}
BmpFile Fields565() {
    return Fields(1, 16, {0xF800, 0x07E0, 0x001F}, Rows({{0, 0}}));
}

TEST(BmpDecoderTest, TheHostileCasesStartFromValidFiles) {
    for (const BmpFile& file : {Small24(), EightBit(), Rle8(), Core1(), Fields565()}) {
        EXPECT_FALSE(Decode(file.Build()).pixels.empty());
    }
}

Bytes Patched(Bytes bytes, std::size_t at, std::uint32_t value, int size = 4) {
    Put(bytes, at, value, size);
    return bytes;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes Resized(const BmpFile& file, std::uint32_t width, std::uint32_t height) {
    return Patched(Patched(file.Build(), 18, width), 22, height);
}

struct HostileCase {
    std::string name;
    Bytes bytes;
};

std::vector<HostileCase> HostileCases() {
    const Bytes valid = Small24().Build();
    const Bytes rle = Rle8().Build();
    const Bytes fields = Fields565().Build();
    BmpFile longRle = Rle8();
    longRle.pixels.resize(600); // enough bytes to back 1 << 25 pixels but for the global cap
    const auto minus3 = static_cast<std::uint32_t>(-3);
    constexpr std::uint32_t kTooBig = BmpDecoder::kMaxDimension + 1;
    return {
        {"BadMagic", Patched(valid, 0, 'X', 1)},
        {"HugeDimensions", Resized(Small24(), 100000, 100000)},
        {"ZeroWidth", Patched(valid, 18, 0)},
        {"NegativeWidth", Patched(valid, 18, minus3)},
        {"ZeroHeight", Patched(valid, 22, 0)},
        {"MostNegativeHeight", Patched(valid, 22, 0x80000000u)},
        {"WidthAboveMax", Resized(Rle8(), kTooBig, 1)},
        {"HeightAboveMax", Resized(Rle8(), 1, kTooBig)},
        {"TooManyPixels", Resized(longRle, 8192, 4096)},
        {"PixelDataShorterThanRows", Truncated(valid, valid.size() - 1)},
        {"RleTooShortForItsSize", Resized(Rle8(), 4096, 4096)},
        {"RleTopDown", Patched(rle, 22, minus3)},
        {"RleRunIndexBeyondPalette", Patched(rle, 69, 2, 1)},
        {"RleAbsoluteIndexBeyondPalette", Patched(rle, 66, 2, 1)},
        {"IndexBeyondPalette", Patched(EightBit().Build(), 62, 2, 1)},
        {"ZeroMask", Patched(fields, 62, 0)},
        {"NonContiguousMask", Patched(fields, 62, 0x15)},
        {"MaskWiderThanPixel", Patched(fields, 62, 0x10000)},
        {"TruncatedFileHeader", Truncated(valid, 10)},
        {"TruncatedInfoHeader", Truncated(valid, 40)},
        {"DataOffsetInsideMasks", Patched(fields, 10, 58)},
        {"TruncatedMasks", Truncated(Patched(fields, 10, 54), 62)},
        {"TruncatedPalette", Truncated(Patched(EightBit().Build(), 10, 54), 58)},
        {"CoreWithoutPalette", Patched(Core1().Build(), 10, 26)},
        {"HugeColorsUsed", Patched(EightBit().Build(), 46, 0xFFFFFFFF)},
        {"DataOffsetBeyondFile", Patched(valid, 10, 1000)},
        {"DataOffsetInsideHeader", Patched(valid, 10, 20)},
        {"UnsupportedHeaderSize", Patched(valid, 14, 64)},
        {"UnknownCompression", Patched(valid, 30, 7)},
        {"Rle8WithFourBits", Patched(rle, 28, 4, 2)},
        {"BitfieldsWithTwentyFourBits", Patched(valid, 30, kBitfields)},
        {"UnknownBitCount", Patched(valid, 28, 2, 2)},
    };
}

class BmpDecoderHostileTest : public testing::TestWithParam<HostileCase> {};

TEST_P(BmpDecoderHostileTest, IsRefusedAndLeavesTheImageEmpty) {
    const Bytes& bytes = GetParam().bytes;
    DecodedImage image{7, 7, {1, 2, 3}, true};
    EXPECT_FALSE(BmpDecoder::Decode(bytes.data(), bytes.size(), image));
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_FALSE(image.hasAlpha);
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpDecoderHostileTest, testing::ValuesIn(HostileCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
