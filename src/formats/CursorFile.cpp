#include "formats/CursorFile.h"

#include <algorithm>
#include <cstring>

#include "formats/DecodedImage.h"
#include "formats/PngDecoder.h"

namespace formats {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kIconType = 1;
constexpr std::uint32_t kCursorType = 2;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, IHDR chunk length and type, width and height.
constexpr std::size_t kPngHeaderSize = 24;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t U16(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8;
}

std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | U16(p + 2) << 16;
}

std::uint32_t BigU32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// One directory entry; a size byte of 0 stands for 256.
struct Entry {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    std::size_t offset = 0;
    std::size_t bytes = 0;
};

// Reads the entry at `p`; false when its image does not lie inside the file after the directory.
bool ReadEntry(const std::uint8_t* p, std::size_t directoryEnd, std::size_t size, Entry& entry) {
    entry.width = p[0] == 0 ? 256 : p[0];
    entry.height = p[1] == 0 ? 256 : p[1];
    entry.hotspotX = static_cast<int>(U16(p + 4));
    entry.hotspotY = static_cast<int>(U16(p + 6));
    entry.bytes = U32(p + 8);
    entry.offset = U32(p + 12);
    return entry.bytes > 0 && entry.offset >= directoryEnd && entry.offset <= size &&
           entry.bytes <= size - entry.offset;
}

// Picks the entry with the most pixels (the first of equals); every entry must be sound.
bool ReadDirectory(const std::uint8_t* data, std::size_t size, std::uint32_t& type, Entry& best) {
    if (data == nullptr || size < kDirectorySize || U16(data) != 0) {
        return false;
    }
    type = U16(data + 2);
    const std::size_t count = U16(data + 4);
    if ((type != kIconType && type != kCursorType) || count == 0 ||
        count > (size - kDirectorySize) / kEntrySize) {
        return false;
    }
    const std::size_t directoryEnd = kDirectorySize + count * kEntrySize;
    for (std::size_t i = 0; i < count; ++i) {
        Entry entry;
        if (!ReadEntry(data + kDirectorySize + i * kEntrySize, directoryEnd, size, entry)) {
            return false;
        }
        if (i == 0 || entry.width * entry.height > best.width * best.height) {
            best = entry;
        }
    }
    return true;
}

// A size byte of 0 covers every PNG dimension from 256 up.
bool MatchesEntry(int actual, int listed) {
    return actual == listed || (listed == 256 && actual > 256);
}

bool DecodePng(const std::uint8_t* p, std::size_t n, const Entry& entry, CursorImage& out) {
    // The header's size is checked before decoding so a small file cannot claim a huge image.
    if (n < kPngHeaderSize || std::memcmp(p + 12, "IHDR", 4) != 0) {
        return false;
    }
    const std::uint32_t width = BigU32(p + 16);
    const std::uint32_t height = BigU32(p + 20);
    constexpr std::uint32_t kMax = CursorFile::kMaxPngDimension;
    if (width < 1 || height < 1 || width > kMax || height > kMax) {
        return false;
    }
    DecodedImage image;
    if (!PngDecoder::Decode(p, n, image) || image.width != static_cast<int>(width) ||
        image.height != static_cast<int>(height) || !MatchesEntry(image.width, entry.width) ||
        !MatchesEntry(image.height, entry.height)) {
        return false;
    }
    out.width = image.width;
    out.height = image.height;
    out.pixels = std::move(image.pixels);
    return true;
}

// Where the parts of a headerless bitmap lie, relative to its header.
struct BitmapLayout {
    int width = 0;
    int height = 0; // of the image; the header says twice this
    std::uint32_t bitCount = 0;
    std::size_t colours = 0;
    std::size_t paletteOffset = 0;
    std::size_t colourOffset = 0;
    std::size_t colourStride = 0;
    std::size_t maskOffset = 0;
    std::size_t maskStride = 0;
};

bool IsSupportedHeader(std::uint32_t headerSize, std::uint32_t bitCount) {
    const bool knownSize = headerSize == 40 || headerSize == 52 || headerSize == 56 ||
                           headerSize == 108 || headerSize == 124;
    const bool knownDepth =
        bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
    return knownSize && knownDepth;
}

bool ReadBitmapLayout(const std::uint8_t* p, std::size_t n, const Entry& entry,
                      BitmapLayout& layout) {
    if (n < kInfoHeaderSize) {
        return false;
    }
    const std::uint32_t headerSize = U32(p);
    layout.bitCount = U16(p + 14);
    const std::uint32_t colorsUsed = U32(p + 32);
    // Compared unsigned, so negative (top-down) heights and widths are refused too.
    if (!IsSupportedHeader(headerSize, layout.bitCount) || headerSize > n || U16(p + 12) != 1 ||
        U32(p + 16) != 0 || U32(p + 4) != static_cast<std::uint32_t>(entry.width) ||
        U32(p + 8) != 2 * static_cast<std::uint32_t>(entry.height) ||
        (layout.bitCount <= 8 && colorsUsed > (1u << layout.bitCount))) {
        return false;
    }
    layout.width = entry.width;
    layout.height = entry.height;
    const auto width = static_cast<std::size_t>(layout.width);
    const auto height = static_cast<std::size_t>(layout.height);
    if (layout.bitCount <= 8) {
        layout.colours = colorsUsed != 0 ? colorsUsed : std::size_t{1} << layout.bitCount;
    }
    layout.paletteOffset = headerSize;
    layout.colourOffset = headerSize + 4 * layout.colours;
    layout.colourStride = (width * layout.bitCount + 31) / 32 * 4;
    layout.maskOffset = layout.colourOffset + layout.colourStride * height;
    layout.maskStride = (width + 31) / 32 * 4;
    // Every term is bounded by the 256-pixel sides, so none of this can overflow.
    return layout.maskOffset + layout.maskStride * height <= n;
}

// The colour of pixel `x` of a stored row, alpha left 0; false for an index past the palette.
bool ColourAt(const std::uint8_t* p, const BitmapLayout& layout, const std::uint8_t* row,
              std::size_t x, std::uint32_t& colour) {
    const std::uint32_t bits = layout.bitCount;
    if (bits >= 24) {
        const std::uint8_t* bgr = row + x * (bits / 8);
        colour = std::uint32_t{bgr[2]} << 16 | std::uint32_t{bgr[1]} << 8 | bgr[0];
        return true;
    }
    const std::size_t bit = x * bits;
    const std::size_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
    if (index >= layout.colours) {
        return false;
    }
    const std::uint8_t* entry = p + layout.paletteOffset + 4 * index;
    colour = std::uint32_t{entry[2]} << 16 | std::uint32_t{entry[1]} << 8 | entry[0];
    return true;
}

// A 32-bit image whose alpha bytes are not all 0 carries its own transparency.
bool HasAlphaChannel(const std::uint8_t* p, const BitmapLayout& layout) {
    if (layout.bitCount != 32) {
        return false;
    }
    const std::uint8_t* begin = p + layout.colourOffset;
    const std::uint8_t* end = begin + layout.colourStride * static_cast<std::size_t>(layout.height);
    for (const std::uint8_t* q = begin + 3; q < end; q += 4) {
        if (*q != 0) {
            return true;
        }
    }
    return false;
}

bool DecodeBitmap(const std::uint8_t* p, std::size_t n, const Entry& entry, CursorImage& out) {
    BitmapLayout layout;
    if (!ReadBitmapLayout(p, n, entry, layout)) {
        return false;
    }
    const bool alphaChannel = HasAlphaChannel(p, layout);
    const auto width = static_cast<std::size_t>(layout.width);
    const auto height = static_cast<std::size_t>(layout.height);
    out.pixels.resize(width * height);
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t stored = height - 1 - y; // rows are kept bottom-up
        const std::uint8_t* colours = p + layout.colourOffset + stored * layout.colourStride;
        const std::uint8_t* mask = p + layout.maskOffset + stored * layout.maskStride;
        for (std::size_t x = 0; x < width; ++x) {
            std::uint32_t colour = 0;
            if (!ColourAt(p, layout, colours, x, colour)) {
                return false;
            }
            const bool masked = ((mask[x / 8] >> (7 - x % 8)) & 1) != 0;
            const std::uint32_t alpha =
                alphaChannel ? std::uint32_t{colours[4 * x + 3]} << 24 : (masked ? 0 : kOpaque);
            out.pixels[y * width + x] = alpha | colour;
        }
    }
    out.width = layout.width;
    out.height = layout.height;
    return true;
}

bool DecodeImage(const std::uint8_t* data, const Entry& entry, std::uint32_t type,
                 CursorImage& out) {
    const std::uint8_t* p = data + entry.offset;
    const bool png = entry.bytes >= sizeof kPngSignature &&
                     std::memcmp(p, kPngSignature, sizeof kPngSignature) == 0;
    if (!(png ? DecodePng(p, entry.bytes, entry, out) : DecodeBitmap(p, entry.bytes, entry, out))) {
        return false;
    }
    // An icon's entry holds planes and bit count where a cursor's holds its hotspot.
    out.hotspotX = type == kCursorType ? entry.hotspotX : out.width / 2;
    out.hotspotY = type == kCursorType ? entry.hotspotY : out.height / 2;
    return out.hotspotX <= out.width && out.hotspotY <= out.height;
}

} // namespace

bool CursorFile::Parse(const std::uint8_t* data, std::size_t size, CursorImage& out) {
    out = CursorImage{};
    std::uint32_t type = 0;
    Entry entry;
    if (!ReadDirectory(data, size, type, entry) || !DecodeImage(data, entry, type, out)) {
        out = CursorImage{};
        return false;
    }
    return true;
}

} // namespace formats
