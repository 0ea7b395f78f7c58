#include "shell/PngImage.h"

#include "platform/FileSystem.h"
#include "platform/PngDecoder.h"
#include "shell/PixelKernels.h"
#include "shell/Surface.h"

namespace {

constexpr std::size_t kMaxFileSize = 64u << 20;

std::uint16_t Mix(std::uint32_t source, std::uint16_t destPixel, unsigned a) {
    const std::uint32_t dest = PixelKernels::ToRgb888(destPixel);
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned s = (source >> shift) & 0xFF;
        const unsigned d = (dest >> shift) & 0xFF;
        mixed |= ((s * a + d * (255 - a)) >> 8) << shift;
    }
    return PixelKernels::ToRgb565(mixed);
}

} // namespace

PngImage::PngImage(std::string_view path) {
    std::string bytes;
    if (platform::ReadWholeFile(path, bytes, kMaxFileSize) != platform::ReadResult::Ok) {
        return;
    }
    platform::DecodedImage image;
    if (!platform::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                      bytes.size(), image)) {
        return;
    }
    width = image.width;
    height = image.height;
    colors.resize(image.pixels.size());
    colors565.resize(image.pixels.size());
    if (image.hasAlpha) {
        alphaPlane.resize(image.pixels.size());
    }
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        colors[i] = image.pixels[i] & 0xFFFFFF;
        colors565[i] = PixelKernels::ToRgb565(colors[i]);
        if (image.hasAlpha) {
            alphaPlane[i] = static_cast<std::uint8_t>(image.pixels[i] >> 24);
        }
    }
}

void PngImage::Draw(Surface& target, int x, int y, const Rect& clip) const {
    if (IsEmpty() || !target.IsCreated()) {
        return;
    }
    const Rect area = Rect{x, y, x + width, y + height}.Intersect(clip).Intersect(
        {0, 0, target.Width(), target.Height()});
    if (area.IsEmpty()) {
        return;
    }
    const unsigned scale = static_cast<unsigned>(imageAlpha & 0xFF) + 1;
    for (int row = area.top; row < area.bottom; ++row) {
        const std::size_t start = static_cast<std::size_t>(row - y) * width + (area.left - x);
        std::uint16_t* out = target.WritableRow(row) + area.left;
        for (int i = 0; i < area.Width(); ++i) {
            const unsigned plane = alphaPlane.empty() ? 255 : alphaPlane[start + i];
            const unsigned a = (plane * scale) >> 8;
            if (a == 255) {
                out[i] = colors565[start + i];
            } else if (a != 0) {
                out[i] = Mix(colors[start + i], out[i], a);
            }
        }
    }
}
