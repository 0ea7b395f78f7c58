#include "encode/BmpWriter.h"

#include "encode/ColourQuantizer.h"
#include "encode/LittleEndian.h"

namespace assetgen {
namespace {

// File header and BITMAPINFOHEADER for a bottom-up image.
std::string Headers(int width, int height, int bits, std::uint32_t paletteSize,
                    std::uint32_t imageSize) {
    std::string out;
    const std::uint32_t offset = 14 + 40 + paletteSize * 4;
    out += "BM";
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, paletteSize);
    Put32(out, 0);
    return out;
}

std::size_t Stride(int width, int bits) {
    return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

// An opaque colour that truncates to the key's 5-6-5 value would turn transparent.
std::uint32_t AvoidKey(std::uint32_t colour) {
    if ((colour & 0xF8FC00) == 0xF80000 && (colour & 0xF8) == 0xF8) {
        colour |= 0x000400;
    }
    return colour;
}

} // namespace

std::vector<std::uint32_t> BmpWriter::Flatten(const std::vector<std::uint32_t>& pixels,
                                              Transparency transparency) {
    std::vector<std::uint32_t> rgb(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t p = pixels[i];
        const std::uint32_t a = p >> 24;
        std::uint32_t colour;
        if (transparency == Transparency::Keyed) {
            if (a < 128) {
                rgb[i] = kKey;
                continue;
            }
            colour = p & 0xFFFFFF;
        } else {
            auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * a + 127) / 255; };
            colour = (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
        rgb[i] = AvoidKey(colour);
    }
    return rgb;
}

std::string BmpWriter::Encode(int width, int height, const std::vector<std::uint32_t>& pixels,
                              Transparency transparency, bool paletted) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height) {
        return {};
    }
    const std::vector<std::uint32_t> rgb = Flatten(pixels, transparency);
    if (paletted || 54 + Stride(width, 24) * height < kMinimumFileSize) {
        return Encode8(width, height, rgb);
    }
    return Encode24(width, height, rgb);
}

std::string BmpWriter::Encode24(int width, int height, const std::vector<std::uint32_t>& rgb) {
    const std::size_t stride = Stride(width, 24);
    std::string out = Headers(width, height, 24, 0, static_cast<std::uint32_t>(stride * height));
    for (int y = height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = rgb[static_cast<std::size_t>(y) * width + x];
            row[3 * x] = static_cast<char>(p & 0xFF);
            row[3 * x + 1] = static_cast<char>((p >> 8) & 0xFF);
            row[3 * x + 2] = static_cast<char>((p >> 16) & 0xFF);
        }
        out += row;
    }
    return out;
}

std::string BmpWriter::Encode8(int width, int height, const std::vector<std::uint32_t>& rgb) {
    const ColourQuantizer quantizer(rgb, 256, {kKey});
    std::vector<std::uint32_t> palette = quantizer.Palette();
    for (std::size_t i = 1; i < palette.size(); ++i) {
        palette[i] = AvoidKey(palette[i]);
    }
    palette.resize(256, 0);
    const std::size_t stride = Stride(width, 8);
    std::string out = Headers(width, height, 8, 256, static_cast<std::uint32_t>(stride * height));
    for (const std::uint32_t colour : palette) {
        Put32(out, colour & 0xFFFFFF);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            row[x] =
                static_cast<char>(quantizer.IndexOf(rgb[static_cast<std::size_t>(y) * width + x]));
        }
        out += row;
    }
    return out;
}

} // namespace assetgen
