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
    hasAlpha = image.hasAlpha;
    pixels = std::move(image.pixels);
    if (!hasAlpha) {
        for (std::uint32_t& pixel : pixels) {
            pixel |= 0xFF000000;
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
        PixelKernels::BlendAlphaRow(target.WritableRow(row) + area.left, &pixels[start], scale,
                                    area.Width());
    }
}

} // namespace gfx
