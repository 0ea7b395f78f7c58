#include "gfx/PngImage.h"

#include "formats/PngDecoder.h"
#include "gfx/PixelKernels.h"
#include "gfx/Surface.h"
#include "platform/FileSystem.h"

namespace gfx {

namespace {

constexpr std::size_t kMaxFileSize = 64u << 20;

} // namespace

PngImage::PngImage(std::string_view path) {
    std::string bytes;
    if (platform::ReadWholeFile(path, bytes, kMaxFileSize) != platform::ReadResult::Ok) {
        return;
    }
    formats::DecodedImage image;
    if (!formats::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
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

void PngImage::Draw(Surface& target, int x, int y, const platform::Rect& clip) const {
    if (IsEmpty() || !target.IsCreated()) {
        return;
    }
    const platform::Rect area =
        platform::Rect{x, y, x + width, y + height}.Intersect(clip).Intersect(
            {0, 0, target.Width(), target.Height()});
    if (area.IsEmpty()) {
        return;
    }
    const unsigned scale = static_cast<unsigned>(imageAlpha & 0xFF) + 1;
    for (int row = area.top; row < area.bottom; ++row) {
        const std::size_t start = static_cast<std::size_t>(row - y) * width + (area.left - x);
        PixelKernels::BlendAlphaRow(
            target.WritableRow(row) + area.left, &colors[start], &colors565[start],
            alphaPlane.empty() ? nullptr : &alphaPlane[start], scale, area.Width());
    }
}

} // namespace gfx
