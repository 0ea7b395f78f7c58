#include <gtest/gtest.h>

#include "formats/PngDecoder.h"

#include <csetjmp>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <png.h>

namespace {

using formats::DecodedImage;
using formats::PngDecoder;
using Bytes = std::vector<std::uint8_t>;

// An image to encode: samples row-major at the file's bit depth, channels interleaved.
struct TestImage {
    int width = 3;
    int height = 2;
    int colorType = PNG_COLOR_TYPE_GRAY;
    int bitDepth = 8;
    std::vector<std::uint16_t> samples;     // empty: all zero
    std::vector<std::uint32_t> palette;     // 0xRRGGBB entries
    std::vector<std::uint8_t> paletteAlpha; // tRNS of a palette image
    std::vector<std::uint16_t> transparent; // tRNS gray value or red, green, blue
    bool interlaced = false;
};

// Samples per pixel, indexed by colour type (gray, -, RGB, palette, gray+alpha, -, RGBA).
int Channels(int colorType) {
    constexpr int kChannels[] = {1, 0, 3, 1, 2, 0, 4};
    return kChannels[colorType];
}

// Packs samples into PNG rows: sub-byte samples most significant bits first, 16-bit big-endian.
std::vector<png_byte> PackRows(const TestImage& image, std::size_t rowBytes) {
    std::vector<png_byte> packed(rowBytes * image.height);
    const std::size_t perRow = std::size_t(image.width) * Channels(image.colorType);
    for (std::size_t i = 0; i < image.samples.size(); ++i) {
        png_byte* row = packed.data() + i / perRow * rowBytes;
        const std::size_t bit = i % perRow * image.bitDepth;
        const unsigned value = image.samples[i];
        if (image.bitDepth == 16) {
            row[bit / 8] = png_byte(value >> 8);
            row[bit / 8 + 1] = png_byte(value);
        } else {
            row[bit / 8] |= png_byte(value << (8 - image.bitDepth - bit % 8));
        }
    }
    return packed;
}

void AppendToBytes(png_structp png, png_bytep data, std::size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

bool WriteChunks(png_structp png, png_infop info, const TestImage& image, png_bytepp rows,
                 Bytes* out) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_write_fn(png, out, AppendToBytes, FlushNothing);
    png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colorType,
                 image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[256] = {};
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
        const std::uint32_t rgb = image.palette[i];
        palette[i] = {png_byte(rgb >> 16), png_byte(rgb >> 8), png_byte(rgb)};
    }
    if (!image.palette.empty()) {
        png_set_PLTE(png, info, palette, int(image.palette.size()));
    }
    if (!image.paletteAlpha.empty()) {
        png_set_tRNS(png, info, image.paletteAlpha.data(), int(image.paletteAlpha.size()), nullptr);
    }
    if (!image.transparent.empty()) {
        const std::vector<std::uint16_t>& key = image.transparent;
        png_color_16 color = {};
        color.gray = key[0];
        if (key.size() == 3) {
            color.red = key[0];
            color.green = key[1];
            color.blue = key[2];
        }
        png_set_tRNS(png, info, nullptr, 0, &color);
    }
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

Bytes Encode(const TestImage& image) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const std::size_t rowBytes =
        (std::size_t(image.width) * Channels(image.colorType) * image.bitDepth + 7) / 8;
    std::vector<png_byte> packed = PackRows(image, rowBytes);
    std::vector<png_bytep> rows;
    for (int y = 0; y < image.height; ++y) {
        rows.push_back(packed.data() + y * rowBytes);
    }
    Bytes out;
    const bool written = WriteChunks(png, info, image, rows.data(), &out);
    png_destroy_write_struct(&png, &info);
    return written ? out : Bytes{};
}

bool Decode(const Bytes& file, DecodedImage& image) {
    return PngDecoder::Decode(file.data(), file.size(), image);
}

// Table-driven decoding of every colour type and bit depth, each pixel checked.
struct FormatCase {
    std::string name;
    TestImage image;
    std::vector<std::uint32_t> expected;
    bool hasAlpha = false;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr int kGray = PNG_COLOR_TYPE_GRAY;
constexpr int kGrayAlpha = PNG_COLOR_TYPE_GRAY_ALPHA;
constexpr int kRgb = PNG_COLOR_TYPE_RGB;
constexpr int kRgba = PNG_COLOR_TYPE_RGBA;
constexpr int kPalette = PNG_COLOR_TYPE_PALETTE;

TestImage Image(int colorType, int bitDepth, std::vector<std::uint16_t> samples) {
    TestImage image;
    image.colorType = colorType;
    image.bitDepth = bitDepth;
    image.samples = std::move(samples);
    return image;
}

TestImage Indexed(int bitDepth, std::vector<std::uint16_t> samples,
                  std::vector<std::uint32_t> palette, std::vector<std::uint8_t> alpha = {}) {
    TestImage image = Image(kPalette, bitDepth, std::move(samples));
    image.palette = std::move(palette);
    image.paletteAlpha = std::move(alpha);
    return image;
}

TestImage Keyed(int colorType, int bitDepth, std::vector<std::uint16_t> samples,
                std::vector<std::uint16_t> transparent) {
    TestImage image = Image(colorType, bitDepth, std::move(samples));
    image.transparent = std::move(transparent);
    return image;
}

const std::vector<FormatCase>& FormatCases() {
    static const std::vector<FormatCase> cases = {
        {"Gray1",
         Image(kGray, 1, {0, 1, 0, 1, 1, 0}),
         {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}},
        {"Gray2",
         Image(kGray, 2, {0, 1, 2, 3, 2, 1}),
         {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF, 0xFFAAAAAA, 0xFF555555}},
        {"Gray4",
         Image(kGray, 4, {0, 1, 7, 8, 14, 15}),
         {0xFF000000, 0xFF111111, 0xFF777777, 0xFF888888, 0xFFEEEEEE, 0xFFFFFFFF}},
        {"Gray8",
         Image(kGray, 8, {0x00, 0x12, 0x7F, 0x80, 0xFE, 0xFF}),
         {0xFF000000, 0xFF121212, 0xFF7F7F7F, 0xFF808080, 0xFFFEFEFE, 0xFFFFFFFF}},
        {"Gray16",
         Image(kGray, 16, {0x0000, 0x1234, 0x12FF, 0x8100, 0x8101, 0xFFFF}),
         {0xFF000000, 0xFF121212, 0xFF131313, 0xFF808080, 0xFF818181, 0xFFFFFFFF}},
        {"GrayAlpha8",
         Image(kGrayAlpha, 8, {0, 0xFF, 0x40, 0x80, 0x80, 0, 0xFF, 0x10, 0x12, 0x34, 0xAB, 0xCD}),
         {0xFF000000, 0x80404040, 0x00808080, 0x10FFFFFF, 0x34121212, 0xCDABABAB},
         true},
        {"GrayAlpha16",
         Image(kGrayAlpha, 16,
               {0x1234, 0xFFFF, 0x12FF, 0x8101, 0, 0, 0xFFFF, 0x0081, 0x8100, 0x1234, 0x8101,
                0x12FF}),
         {0xFF121212, 0x81131313, 0x00000000, 0x01FFFFFF, 0x12808080, 0x13818181},
         true},
        {"Rgb8",
         Image(kRgb, 8,
               {0x10, 0x20, 0x30, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0x12, 0x34, 0x56, 0xFE, 0xDC,
                0xBA}),
         {0xFF102030, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF123456, 0xFFFEDCBA}},
        {"Rgb16",
         Image(kRgb, 16,
               {0x1234, 0x12FF, 0x8100, 0x8101, 0xFFFF, 0, 0x0081, 0x0080, 0xFFFF, 0, 0, 0, 0xFFFF,
                0xFFFF, 0xFFFF, 0xFF00, 0x00FF, 0x7F80}),
         {0xFF121380, 0xFF81FF00, 0xFF0100FF, 0xFF000000, 0xFFFFFFFF, 0xFFFE017F}},
        {"Rgba8",
         Image(kRgba, 8, {0x11, 0x22, 0x33, 0x44, 0xFF, 0xFF, 0xFF, 0, 0,    0,    0,    0xFF,
                          0x80, 0x40, 0x20, 0x10, 1,    2,    3,    4, 0xAA, 0xBB, 0xCC, 0xDD}),
         {0x44112233, 0x00FFFFFF, 0xFF000000, 0x10804020, 0x04010203, 0xDDAABBCC},
         true},
        {"Rgba16",
         Image(kRgba, 16, {0x1234, 0x12FF, 0x8100, 0x8101, 0xFFFF, 0,      0x0081, 0x0080,
                           0,      0,      0,      0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                           0xFF00, 0x00FF, 0x7F80, 0x1234, 0x0101, 0x0202, 0x0303, 0x0404}),
         {0x81121380, 0x00FF0001, 0xFF000000, 0xFFFFFFFF, 0x12FE017F, 0x04010203},
         true},
        {"Palette1",
         Indexed(1, {1, 0, 1, 0, 0, 1}, {0x102030, 0xA0B0C0}),
         {0xFFA0B0C0, 0xFF102030, 0xFFA0B0C0, 0xFF102030, 0xFF102030, 0xFFA0B0C0}},
        {"Palette2",
         Indexed(2, {3, 2, 1, 0, 1, 3}, {0x000000, 0x112233, 0x445566, 0x778899}),
         {0xFF778899, 0xFF445566, 0xFF112233, 0xFF000000, 0xFF112233, 0xFF778899}},
        {"Palette4",
         Indexed(
             4, {15, 0, 9, 1, 15, 8},
             {0x010203, 0x040506, 0, 0, 0, 0, 0, 0, 0x0A0B0C, 0x0D0E0F, 0, 0, 0, 0, 0, 0xF0E0D0}),
         {0xFFF0E0D0, 0xFF010203, 0xFF0D0E0F, 0xFF040506, 0xFFF0E0D0, 0xFF0A0B0C}},
        {"Palette8",
         Indexed(8, {2, 1, 0, 0, 1, 2}, {0xFF0000, 0x00FF00, 0x0000FF}),
         {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}},
        // tRNS entries map to alpha; indices past the tRNS list stay opaque.
        {"Palette2Trns",
         Indexed(2, {0, 1, 2, 3, 1, 0}, {0x000000, 0x112233, 0x445566, 0x778899}, {0x00, 0x80}),
         {0x00000000, 0x80112233, 0xFF445566, 0xFF778899, 0x80112233, 0x00000000},
         true},
        // The transparent gray is given at the file's bit depth and scaled with the samples.
        {"Gray2Trns",
         Keyed(kGray, 2, {2, 1, 2, 3, 0, 2}, {2}),
         {0x00AAAAAA, 0xFF555555, 0x00AAAAAA, 0xFFFFFFFF, 0xFF000000, 0x00AAAAAA},
         true},
        {"Gray8Trns",
         Keyed(kGray, 8, {0x40, 0x41, 0x3F, 0x40, 0, 0xFF}, {0x40}),
         {0x00404040, 0xFF414141, 0xFF3F3F3F, 0x00404040, 0xFF000000, 0xFFFFFFFF},
         true},
        // Matching happens on all 16 bits: 0x1235 reduces to the same gray but stays opaque.
        {"Gray16Trns",
         Keyed(kGray, 16, {0x1234, 0x1235, 0x12FF, 0, 0x1234, 0xFFFF}, {0x1234}),
         {0x00121212, 0xFF121212, 0xFF131313, 0xFF000000, 0x00121212, 0xFFFFFFFF},
         true},
        {"Rgb8Trns",
         Keyed(kRgb, 8,
               {0x10, 0x20, 0x30, 0x10, 0x20, 0x31, 0x11, 0x20, 0x30, 0, 0, 0, 0x10, 0x20, 0x30,
                0xFF, 0xFF, 0xFF},
               {0x10, 0x20, 0x30}),
         {0x00102030, 0xFF102031, 0xFF112030, 0xFF000000, 0x00102030, 0xFFFFFFFF},
         true},
        {"Rgb16Trns",
         Keyed(kRgb, 16,
               {0x1234, 0x5678, 0x9ABC, 0x1234, 0x5678, 0x9ABD, 0x1234, 0x5679, 0x9ABC, 0, 0, 0,
                0x1234, 0x5678, 0x9ABC, 0xFFFF, 0xFFFF, 0xFFFF},
               {0x1234, 0x5678, 0x9ABC}),
         {0x0012569A, 0xFF12569A, 0xFF12569A, 0xFF000000, 0x0012569A, 0xFFFFFFFF},
         true},
    };
    return cases;
}

class PngFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(PngFormatTest, DecodesEveryPixel) {
    const FormatCase& c = GetParam();
    const Bytes file = Encode(c.image);
    ASSERT_FALSE(file.empty());
    DecodedImage image;
    ASSERT_TRUE(Decode(file, image));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.hasAlpha, c.hasAlpha);
    ASSERT_EQ(image.pixels.size(), c.expected.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        EXPECT_EQ(image.pixels[i], c.expected[i]) << "pixel " << i << std::hex << " got 0x"
                                                  << image.pixels[i] << " want 0x" << c.expected[i];
    }
}

INSTANTIATE_TEST_SUITE_P(PngAllFormats, PngFormatTest, testing::ValuesIn(FormatCases()),
                         [](const auto& info) { return info.param.name; });

const FormatCase& Case(const std::string& name) {
    for (const FormatCase& c : FormatCases()) {
        if (c.name == name) {
            return c;
        }
    }
    ADD_FAILURE() << "no case " << name;
    return FormatCases().front();
}

// png_set_scale_16 rounds to nearest, round(v * 255 / 65535); keeping the high byte instead
// would turn 0x12FF, 0x8100, 0x0081 and 0xFF7E into 0x12, 0x81, 0x00 and 0xFF.
TEST(PngDecoderTest, SixteenBitSamplesRoundToNearest) {
    TestImage gray =
        Image(kGray, 16, {0x1234, 0x12FF, 0x8100, 0x8101, 0x0080, 0x0081, 0xFF7E, 0xFF7F});
    gray.width = 8;
    gray.height = 1;
    DecodedImage image;
    ASSERT_TRUE(Decode(Encode(gray), image));
    const std::vector<std::uint32_t> expected = {0x12, 0x13, 0x80, 0x81, 0x00, 0x01, 0xFE, 0xFF};
    ASSERT_EQ(image.pixels.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(image.pixels[i], 0xFF000000u | expected[i] * 0x010101u) << "sample " << i;
    }
}

// Adam7 images decode to the same pixels as their non-interlaced twins.
class PngInterlaceTest : public testing::TestWithParam<std::string> {};

TEST_P(PngInterlaceTest, MatchesNonInterlacedTwin) {
    TestImage image = Case(GetParam()).image;
    image.width = 13; // odd sizes leave some passes with partial rows and columns
    image.height = 11;
    const unsigned range = image.palette.empty() ? 1u << image.bitDepth : image.palette.size();
    image.samples.clear();
    for (int i = 0; i < image.width * image.height * Channels(image.colorType); ++i) {
        image.samples.push_back(std::uint16_t((i * 7919u + i / 5 * 31u) % range));
    }
    DecodedImage plain;
    ASSERT_TRUE(Decode(Encode(image), plain));
    image.interlaced = true;
    DecodedImage interlaced;
    ASSERT_TRUE(Decode(Encode(image), interlaced));
    EXPECT_EQ(interlaced.width, 13);
    EXPECT_EQ(interlaced.height, 11);
    EXPECT_EQ(interlaced.hasAlpha, plain.hasAlpha);
    EXPECT_EQ(interlaced.pixels, plain.pixels);
}

INSTANTIATE_TEST_SUITE_P(PngSomeFormats, PngInterlaceTest,
                         testing::Values("Gray1", "Gray4", "GrayAlpha16", "Rgba16", "Palette4",
                                         "Palette2Trns", "Rgb16Trns"),
                         [](const auto& info) { return info.param; });

TestImage ZeroGray(int width, int height) {
    TestImage image = Image(kGray, 1, {});
    image.width = width;
    image.height = height;
    return image;
}

// A tiny file may declare a big image; within the limits that is fine.
TEST(PngDecoderTest, LargestAllowedImageDecodes) {
    const int height = (1 << 24) / PngDecoder::kMaxDimension;
    const Bytes file = Encode(ZeroGray(PngDecoder::kMaxDimension, height));
    ASSERT_LT(file.size(), 64u * 1024);
    DecodedImage image;
    ASSERT_TRUE(Decode(file, image));
    EXPECT_EQ(image.width, PngDecoder::kMaxDimension);
    EXPECT_EQ(image.height, height);
    ASSERT_EQ(image.pixels.size(), std::size_t{1} << 24);
    EXPECT_EQ(image.pixels.front(), 0xFF000000u);
    EXPECT_EQ(image.pixels.back(), 0xFF000000u);
}

// Recomputes the CRC of the chunk starting at `offset` (its length field).
Bytes WithFixedCrc(Bytes file, std::size_t offset) {
    const std::size_t length = std::size_t{file[offset]} << 24 | file[offset + 1] << 16 |
                               file[offset + 2] << 8 | file[offset + 3];
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = offset + 4; i < offset + 8 + length; ++i) {
        crc ^= file[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    for (int i = 0; i < 4; ++i) {
        file[offset + 8 + length + i] = std::uint8_t(~crc >> (24 - 8 * i));
    }
    return file;
}

// Chunk offsets: IHDR right after the signature, its CRC at the end of its 13 data bytes.
constexpr std::size_t kIhdr = 8;
constexpr std::size_t kIhdrCrc = kIhdr + 8 + 13;
constexpr std::size_t kAfterIhdr = kIhdrCrc + 4;

Bytes Flipped(Bytes file, std::size_t offset) {
    file[offset] ^= 0x01;
    return file;
}

Bytes WithHeaderSize(Bytes file, std::uint32_t width, std::uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = std::uint8_t(width >> (24 - 8 * i));
        file[20 + i] = std::uint8_t(height >> (24 - 8 * i));
    }
    return WithFixedCrc(file, kIhdr);
}

TEST(PngDecoderTest, HostileFilesFailAndLeaveImageEmpty) {
    const Bytes valid = Encode(Case("Rgba8").image);
    const std::size_t idat = kAfterIhdr; // no ancillary chunks: IDAT follows IHDR
    ASSERT_EQ(std::string(valid.begin() + idat + 4, valid.begin() + idat + 8), "IDAT");
    const std::size_t idatCrc = idat + 8 + (valid[idat + 2] << 8 | valid[idat + 3]);
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"signature only", Bytes(valid.begin(), valid.begin() + 8)},
        {"bad signature", Flipped(valid, 1)},
        {"garbage", Bytes(200, 0xA5)},
        {"IHDR CRC", Flipped(valid, kIhdrCrc + 2)},
        {"IDAT CRC", Flipped(valid, idatCrc + 1)},
        {"bad zlib header", WithFixedCrc(Flipped(valid, idat + 8), idat)},
        {"no IEND", Bytes(valid.begin(), valid.end() - 12)},
        {"100000 x 100000", WithHeaderSize(valid, 100000, 100000)},
        {"too wide", Encode(ZeroGray(PngDecoder::kMaxDimension + 1, 1))},
        {"too tall", Encode(ZeroGray(1, PngDecoder::kMaxDimension + 1))},
        {"too many pixels",
         Encode(ZeroGray(PngDecoder::kMaxDimension, (1 << 24) / PngDecoder::kMaxDimension + 1))},
    };
    for (const auto& c : cases) {
        DecodedImage image{1, 1, {0xFFFFFFFF}, true};
        EXPECT_FALSE(Decode(c.file, image)) << c.name;
        EXPECT_EQ(image.width, 0) << c.name;
        EXPECT_EQ(image.height, 0) << c.name;
        EXPECT_TRUE(image.pixels.empty()) << c.name;
        EXPECT_FALSE(image.hasAlpha) << c.name;
    }
    DecodedImage image;
    EXPECT_FALSE(PngDecoder::Decode(nullptr, 0, image));
}

// The reader must stop at the end of the buffer wherever the file is cut, IEND included.
TEST(PngDecoderTest, EveryTruncationFails) {
    TestImage interlaced = Case("Rgba16").image;
    interlaced.interlaced = true;
    for (const Bytes& valid : {Encode(Case("Palette2Trns").image), Encode(interlaced)}) {
        ASSERT_FALSE(valid.empty());
        for (std::size_t size = 0; size < valid.size(); ++size) {
            DecodedImage image;
            EXPECT_FALSE(Decode(Bytes(valid.begin(), valid.begin() + size), image)) << size;
            EXPECT_TRUE(image.pixels.empty()) << size;
        }
    }
}

} // namespace
