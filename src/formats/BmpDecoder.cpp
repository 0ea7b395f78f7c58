#include "formats/BmpDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace formats {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kMaskOffset = kFileHeaderSize + kInfoHeaderSize;
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 24;
// A compressed stream may claim at most this many pixels per byte (plus a little slack), so a
// tiny file cannot make us allocate a huge image.
constexpr std::uint64_t kMaxRlePixelsPerByte = 65536;
constexpr std::uint32_t kOpaque = 0xFF000000u;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

// Colour per index; entries past the file's palette stay 0, which no opaque colour can be, so a
// bad index is caught by checking the alpha byte of what was looked up.
using Palette = std::array<std::uint32_t, 256>;

std::uint32_t U16(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8;
}

std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

std::uint32_t Bgr(const std::uint8_t* p) {
    return kOpaque | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

// What the headers say about the pixel data.
struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0; // the magnitude; topDown keeps the sign
    bool topDown = false;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t dataOffset = 0;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
};

bool IsInfoHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

void ReadCoreHeader(const std::uint8_t* info, Layout& layout) {
    layout.width = U16(info + 4);
    layout.height = U16(info + 6);
    layout.bitCount = U16(info + 10);
    layout.paletteEntrySize = 3;
}

void ReadInfoHeader(const std::uint8_t* info, Layout& layout) {
    const auto height = static_cast<std::int32_t>(U32(info + 8));
    layout.width = static_cast<std::int32_t>(U32(info + 4));
    layout.topDown = height < 0;
    layout.height = layout.topDown ? -std::int64_t{height} : height;
    layout.bitCount = U16(info + 14);
    layout.compression = U32(info + 16);
    layout.colorsUsed = U32(info + 32);
}

// Bit-field masks follow a 40-byte header or sit inside the larger ones, at the same place.
bool ReadMasks(const std::uint8_t* data, std::size_t size, std::uint32_t headerSize,
               Layout& layout) {
    if (layout.compression != kBitfields) {
        layout.masks = layout.bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x1F}
                                             : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
        return true;
    }
    if (size < kMaskOffset + 12) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        layout.masks[i] = U32(data + kMaskOffset + 4 * i);
    }
    if (headerSize == kInfoHeaderSize) {
        layout.paletteOffset += 12;
    }
    return true;
}

bool ReadHeaders(const std::uint8_t* data, std::size_t size, Layout& layout) {
    if (data == nullptr || size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    const std::uint32_t headerSize = U32(data + kFileHeaderSize);
    if (headerSize > size - kFileHeaderSize) {
        return false;
    }
    if (headerSize == kCoreHeaderSize) {
        ReadCoreHeader(data + kFileHeaderSize, layout);
    } else if (IsInfoHeaderSize(headerSize)) {
        ReadInfoHeader(data + kFileHeaderSize, layout);
    } else {
        return false;
    }
    layout.paletteOffset = kFileHeaderSize + headerSize;
    if (!ReadMasks(data, size, headerSize, layout)) {
        return false;
    }
    layout.dataOffset = U32(data + 10);
    if (layout.dataOffset < layout.paletteOffset || layout.dataOffset >= size) {
        return false;
    }
    if (headerSize == kCoreHeaderSize) {
        // No colour count in this header: the palette fills the gap before the pixels.
        layout.colorsUsed =
            static_cast<std::uint32_t>((layout.dataOffset - layout.paletteOffset) / 3);
        return layout.bitCount > 8 || layout.colorsUsed > 0;
    }
    return true;
}

bool IsSupportedFormat(const Layout& layout) {
    const std::uint32_t bits = layout.bitCount;
    switch (layout.compression) {
    case kRgb:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
        return bits == 8 && !layout.topDown;
    case kRle4:
        return bits == 4 && !layout.topDown;
    case kBitfields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

bool IsRle(const Layout& layout) {
    return layout.compression == kRle8 || layout.compression == kRle4;
}

std::uint64_t RowStride(const Layout& layout) {
    return (static_cast<std::uint64_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
}

// Refuses dimensions the file cannot back, before anything is allocated.
bool HasPlausibleSize(const Layout& layout, std::size_t size) {
    constexpr std::int64_t kMax = BmpDecoder::kMaxDimension;
    if (layout.width < 1 || layout.height < 1 || layout.width > kMax || layout.height > kMax) {
        return false;
    }
    const std::uint64_t pixels = static_cast<std::uint64_t>(layout.width * layout.height);
    const std::uint64_t available = size - layout.dataOffset;
    if (pixels > kMaxPixels) {
        return false;
    }
    if (IsRle(layout)) {
        return pixels <= (available + 2) * kMaxRlePixelsPerByte;
    }
    return RowStride(layout) * static_cast<std::uint64_t>(layout.height) <= available;
}

bool ReadPalette(const std::uint8_t* data, std::size_t size, const Layout& layout,
                 Palette& palette) {
    palette.fill(0);
    if (layout.bitCount > 8) {
        return true;
    }
    const std::uint32_t capacity = 1u << layout.bitCount;
    const std::uint32_t count =
        layout.colorsUsed == 0 ? capacity : std::min(layout.colorsUsed, capacity);
    const std::uint64_t end = layout.paletteOffset + std::uint64_t{count} * layout.paletteEntrySize;
    if (end > size) {
        return false;
    }
    const std::uint8_t* entry = data + layout.paletteOffset;
    for (std::uint32_t i = 0; i < count; ++i, entry += layout.paletteEntrySize) {
        palette[i] = Bgr(entry);
    }
    return true;
}

// One bit-field colour channel, scaled to 8 bits with rounding.
class Channel {
public:
    // False for a zero, non-contiguous or too wide mask.
    bool Init(std::uint32_t mask, std::uint32_t bitCount) {
        if (mask == 0 || (bitCount < 32 && (mask >> bitCount) != 0)) {
            return false;
        }
        mask_ = mask;
        shift_ = std::countr_zero(mask);
        max_ = mask >> shift_;
        if ((max_ & (max_ + 1)) != 0) {
            return false;
        }
        for (std::uint32_t v = 0; v <= std::min(max_, 255u); ++v) {
            scaled_[v] = static_cast<std::uint8_t>(Scale(v));
        }
        return true;
    }

    std::uint32_t operator()(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask_) >> shift_;
        return max_ <= 255 ? scaled_[v] : Scale(v);
    }

private:
    std::uint32_t Scale(std::uint32_t v) const {
        return static_cast<std::uint32_t>((std::uint64_t{v} * 255 + max_ / 2) / max_);
    }

    std::uint32_t mask_ = 0;
    int shift_ = 0;
    std::uint32_t max_ = 0;
    std::array<std::uint8_t, 256> scaled_{}; // Scale() precomputed for masks up to 8 bits wide
};

using Channels = std::array<Channel, 3>;

bool MakeChannels(const Layout& layout, Channels& channels) {
    if (layout.bitCount != 16 && layout.bitCount != 32) {
        return true;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (!channels[i].Init(layout.masks[i], layout.bitCount)) {
            return false;
        }
    }
    return true;
}

// Calls decodeRow(src, dst) for each stored row; bottom-up files fill the output from the end.
template <typename DecodeRow>
bool ForEachRow(const Layout& layout, const std::uint8_t* data, RowSink& sink,
                DecodeRow decodeRow) {
    const std::size_t stride = RowStride(layout);
    const auto height = static_cast<int>(layout.height);
    const std::uint8_t* src = data + layout.dataOffset;
    for (int row = 0; row < height; ++row, src += stride) {
        const int outRow = layout.topDown ? row : height - 1 - row;
        if (!decodeRow(src, sink.Row(outRow))) {
            return false;
        }
        sink.RowDone(outRow);
    }
    return true;
}

// Indices are packed most significant bits first.
template <int Bits>
bool DecodeIndexedRow(const std::uint8_t* src, std::uint32_t* dst, int width,
                      const Palette& palette) {
    constexpr int kPerByte = 8 / Bits;
    constexpr unsigned kMask = (1u << Bits) - 1;
    std::uint32_t all = ~0u;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - Bits - (x % kPerByte) * Bits;
        const std::uint32_t colour = palette[(src[x / kPerByte] >> shift) & kMask];
        all &= colour;
        dst[x] = colour;
    }
    return (all & kOpaque) == kOpaque;
}

template <int Bytes>
bool DecodeBitfieldRow(const std::uint8_t* src, std::uint32_t* dst, int width, const Channels& c) {
    for (int x = 0; x < width; ++x, src += Bytes) {
        const std::uint32_t v = Bytes == 2 ? U16(src) : U32(src);
        dst[x] = kOpaque | c[0](v) << 16 | c[1](v) << 8 | c[2](v);
    }
    return true;
}

// On a little-endian machine a pixel's bytes read as one word are already 0x??RRGGBB, the byte
// past them (the next pixel's, or padding) landing in the alpha byte, which is set anyway. The
// row's last pixel may end the file, so it is read byte by byte.
template <int Bytes>
bool DecodeBgrRow(const std::uint8_t* src, std::uint32_t* dst, int width) {
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; x + 1 < width; ++x, src += Bytes) {
            std::uint32_t word = 0;
            std::memcpy(&word, src, sizeof word);
            dst[x] = kOpaque | word;
        }
    }
    for (; x < width; ++x, src += Bytes) {
        dst[x] = Bgr(src);
    }
    return true;
}

// Writes an RLE stream through a bottom-up cursor, clipping at the right edge and the last row.
class RleCanvas {
public:
    RleCanvas(DecodedImage& image, const Palette& palette, bool fourBit)
        : image_(image), palette_(palette), fourBit_(fourBit) {}

    bool Done() const { return y_ >= image_.height; }
    void NextLine() {
        x_ = 0;
        ++y_;
    }
    void Move(int dx, int dy) {
        x_ = std::min(x_ + dx, image_.width);
        y_ += dy;
    }

    // Encoded run: one index repeated, or two nibbles alternating.
    bool Run(int count, std::uint8_t value) {
        const std::uint32_t first = palette_[fourBit_ ? value >> 4 : value];
        const std::uint32_t second = palette_[fourBit_ ? value & 0x0F : value];
        if ((first & kOpaque) == 0 || (count > 1 && (second & kOpaque) == 0)) {
            return false;
        }
        const int n = std::min(count, image_.width - x_);
        std::uint32_t* row = Row();
        for (int i = 0; i < n; ++i) {
            row[x_ + i] = (i & 1) ? second : first;
        }
        x_ += n;
        return true;
    }

    // Literal indices, padded to a 16-bit boundary; a truncated run keeps what is there.
    bool Absolute(int count, const std::uint8_t*& p, const std::uint8_t* end) {
        const std::size_t bytes = fourBit_ ? (count + 1) / 2 : count;
        const std::size_t available = std::min<std::size_t>(bytes, end - p);
        const int pixels = std::min<int>(count, fourBit_ ? available * 2 : available);
        std::uint32_t* row = Row();
        for (int i = 0; i < pixels; ++i) {
            const std::uint8_t byte = p[fourBit_ ? i / 2 : i];
            const int index = !fourBit_ ? byte : (i & 1) ? byte & 0x0F : byte >> 4;
            if ((palette_[index] & kOpaque) == 0) {
                return false;
            }
            if (x_ < image_.width) {
                row[x_++] = palette_[index];
            }
        }
        p += std::min<std::size_t>((bytes + 1) & ~std::size_t{1}, end - p);
        return true;
    }

private:
    std::uint32_t* Row() {
        return image_.pixels.data() + std::size_t(image_.height - 1 - y_) * image_.width;
    }

    DecodedImage& image_;
    const Palette& palette_;
    const bool fourBit_;
    int x_ = 0;
    int y_ = 0; // counted from the bottom row
};

bool DecodeRle(const Layout& layout, const std::uint8_t* data, std::size_t size,
               const Palette& palette, DecodedImage& image) {
    std::fill(image.pixels.begin(), image.pixels.end(), palette[0]);
    RleCanvas canvas(image, palette, layout.compression == kRle4);
    const std::uint8_t* p = data + layout.dataOffset;
    const std::uint8_t* const end = data + size;
    while (end - p >= 2 && !canvas.Done()) {
        const int count = p[0];
        const std::uint8_t value = p[1];
        p += 2;
        if (count > 0) {
            if (!canvas.Run(count, value)) {
                return false;
            }
        } else if (value == 0) {
            canvas.NextLine();
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (end - p < 2) {
                return true;
            }
            canvas.Move(p[0], p[1]);
            p += 2;
        } else if (!canvas.Absolute(value, p, end)) {
            return false;
        }
    }
    return true;
}

// A compressed stream may move anywhere in the image, so it is decoded whole first.
bool DecodeRleRows(const Layout& layout, const std::uint8_t* data, std::size_t size,
                   const Palette& palette, RowSink& sink) {
    DecodedImage image;
    image.width = static_cast<int>(layout.width);
    image.height = static_cast<int>(layout.height);
    image.pixels.resize(static_cast<std::size_t>(layout.width * layout.height));
    if (!DecodeRle(layout, data, size, palette, image)) {
        return false;
    }
    const std::uint32_t* row = image.pixels.data();
    for (int y = 0; y < image.height; ++y, row += image.width) {
        std::copy(row, row + image.width, sink.Row(y));
        sink.RowDone(y);
    }
    return true;
}

bool DecodePixels(const Layout& layout, const std::uint8_t* data, std::size_t size,
                  const Palette& palette, const Channels& channels, RowSink& sink) {
    if (IsRle(layout)) {
        return DecodeRleRows(layout, data, size, palette, sink);
    }
    const auto w = static_cast<int>(layout.width);
    const auto rows = [&](auto decodeRow) { return ForEachRow(layout, data, sink, decodeRow); };
    switch (layout.bitCount) {
    case 1:
        return rows([&](auto* s, auto* d) { return DecodeIndexedRow<1>(s, d, w, palette); });
    case 4:
        return rows([&](auto* s, auto* d) { return DecodeIndexedRow<4>(s, d, w, palette); });
    case 8:
        return rows([&](auto* s, auto* d) { return DecodeIndexedRow<8>(s, d, w, palette); });
    case 16:
        return rows([&](auto* s, auto* d) { return DecodeBitfieldRow<2>(s, d, w, channels); });
    case 24:
        return rows([&](auto* s, auto* d) { return DecodeBgrRow<3>(s, d, w); });
    default:
        if (layout.masks == std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF}) {
            return rows([&](auto* s, auto* d) { return DecodeBgrRow<4>(s, d, w); });
        }
        return rows([&](auto* s, auto* d) { return DecodeBitfieldRow<4>(s, d, w, channels); });
    }
}

// Rows straight into an image's own pixels.
class ImageRows : public RowSink {
public:
    explicit ImageRows(DecodedImage& image) : image_(image) {}

    bool Begin(int width, int height) override {
        image_.width = width;
        image_.height = height;
        image_.pixels.resize(static_cast<std::size_t>(width) * height);
        return true;
    }
    std::uint32_t* Row(int y) override {
        return image_.pixels.data() + static_cast<std::size_t>(y) * image_.width;
    }
    void RowDone(int) override {}

private:
    DecodedImage& image_;
};

} // namespace

bool BmpDecoder::Decode(const std::uint8_t* data, std::size_t size, DecodedImage& image) {
    image = DecodedImage{};
    DecodedImage decoded;
    ImageRows rows(decoded);
    if (!Decode(data, size, rows)) {
        return false;
    }
    image = std::move(decoded);
    return true;
}

bool BmpDecoder::Decode(const std::uint8_t* data, std::size_t size, RowSink& sink) {
    Layout layout;
    Palette palette;
    Channels channels;
    if (!ReadHeaders(data, size, layout) || !IsSupportedFormat(layout) ||
        !HasPlausibleSize(layout, size) || !ReadPalette(data, size, layout, palette) ||
        !MakeChannels(layout, channels) ||
        !sink.Begin(static_cast<int>(layout.width), static_cast<int>(layout.height))) {
        return false;
    }
    return DecodePixels(layout, data, size, palette, channels, sink);
}

} // namespace formats
