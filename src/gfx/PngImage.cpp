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
    const std::size_t count = image.pixels.size();
    // The conversion to RGB565 leaves the alpha byte out by itself.
    colors565.resize(count);
    PixelKernels::ToRgb565Row(image.pixels.data(), colors565.data(), static_cast<int>(count));
    if (image.hasAlpha) {
        alphaPlane.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            alphaPlane[i] = static_cast<std::uint8_t>(image.pixels[i] >> 24);
        }
    }
    colors = std::move(image.pixels);
    for (std::uint32_t& color : colors) {
        color &= 0xFFFFFF;
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
