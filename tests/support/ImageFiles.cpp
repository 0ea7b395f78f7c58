#include "ImageFiles.h"

#include <algorithm>

#include "formats/PngEncoder.h"

namespace {

void Put16(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::string Headers(int width, int height, int bitCount, int paletteSize, int stride) {
    const std::uint32_t offset = 54 + 4 * paletteSize;
    std::string out = "BM";
    Put32(out, offset + stride * height);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, 0);
    Put32(out, stride * height);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, paletteSize);
    Put32(out, 0);
    return out;
}

} // namespace

std::string EncodeBmp8(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint32_t> palette;
    for (const std::uint32_t pixel : pixels) {
        if (std::find(palette.begin(), palette.end(), pixel) == palette.end()) {
            palette.push_back(pixel);
        }
    }
    palette.resize(256, 0);
    const int stride = (width + 3) & ~3;
    std::string out = Headers(width, height, 8, 256, stride);
    for (const std::uint32_t color : palette) {
        Put32(out, color & 0xFFFFFF);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
            const auto index = std::find(palette.begin(), palette.end(), pixel) - palette.begin();
            out.push_back(static_cast<char>(index));
        }
        out.append(static_cast<std::size_t>(stride - width), '\0');
    }
    return out;
}

std::string EncodeBmp24(int width, int height, const std::vector<std::uint32_t>& pixels) {
    const int stride = (width * 3 + 3) & ~3;
    std::string out = Headers(width, height, 24, 0, stride);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
            out.push_back(static_cast<char>(pixel & 0xFF));
            out.push_back(static_cast<char>((pixel >> 8) & 0xFF));
            out.push_back(static_cast<char>((pixel >> 16) & 0xFF));
        }
        out.append(static_cast<std::size_t>(stride - width * 3), '\0');
    }
    return out;
}

std::string EncodePngRgba(int width, int height, const std::vector<std::uint32_t>& pixels) {
    return formats::PngEncoder::Encode(width, height, pixels);
}
