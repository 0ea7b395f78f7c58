#include "gfx/SurfaceLoader.h"

#include <utility>
#include <vector>

#include "formats/BmpDecoder.h"
#include "gfx/Bitmap.h"
#include "gfx/PixelKernels.h"
#include "gfx/Surface.h"
#include "platform/FileSystem.h"

namespace gfx {

namespace {

constexpr std::size_t kMinFileBytes = 14 + 40 + 256 * 4;

// A new surface filled by the decoder, each row converted to RGB565 as it comes. An image of
// another size than the one asked for is refused, to be stretched instead.
class SurfaceRows : public formats::RowSink {
public:
    SurfaceRows(int width, int height, const SurfaceLoader::MemoryCaps& memoryCaps)
        : wantedWidth(width), wantedHeight(height), memoryCaps(memoryCaps) {}

    // The decoder's sizes (1 to 16384 pixels a side) are all ones a surface takes.
    bool Begin(int width, int height) override {
        if ((wantedWidth > 0 && wantedWidth != width) ||
            (wantedHeight > 0 && wantedHeight != height)) {
            needsScaling = true;
            return false;
        }
        surface = std::make_unique<Surface>();
        row.resize(static_cast<std::size_t>(width));
        return surface->CreateUnfilled(width, height,
                                       DDSCAPS_OFFSCREENPLAIN | memoryCaps(width, height)) ==
               SurfaceResult::Ok;
    }
    std::uint32_t* Row(int) override { return row.data(); }
    void RowDone(int y) override {
        PixelKernels::ToRgb565Row(row.data(), surface->WritableRow(y), surface->Width());
    }

    bool NeedsScaling() const { return needsScaling; }
    std::unique_ptr<Surface> Take() { return std::move(surface); }

private:
    const int wantedWidth;
    const int wantedHeight;
    const SurfaceLoader::MemoryCaps& memoryCaps;
    bool needsScaling = false;
    std::unique_ptr<Surface> surface;
    std::vector<std::uint32_t> row;
};

} // namespace

SurfaceLoader::SurfaceLoader(MemoryCaps memoryCaps) : memoryCaps(std::move(memoryCaps)) {}

SurfaceResult SurfaceLoader::Load(std::string_view path, int width, int height,
                                  std::unique_ptr<Surface>& out) {
    if (platform::ReadWholeFile(path, fileBytes, Bitmap::kMaxFileBytes) !=
            platform::ReadResult::Ok ||
        fileBytes.size() < kMinFileBytes) {
        return SurfaceResult::FileUnreadable;
    }
    SurfaceRows rows(width, height, memoryCaps);
    if (formats::BmpDecoder::Decode(reinterpret_cast<const std::uint8_t*>(fileBytes.data()),
                                    fileBytes.size(), rows)) {
        out = rows.Take();
        return SurfaceResult::Ok;
    }
    return rows.NeedsScaling() ? LoadScaled(width, height, out) : SurfaceResult::FileUnreadable;
}

SurfaceResult SurfaceLoader::LoadScaled(int width, int height,
                                        std::unique_ptr<Surface>& out) const {
    const std::unique_ptr<Bitmap> bitmap = Bitmap::FromFile(fileBytes, width, height);
    if (!bitmap) {
        return SurfaceResult::FileUnreadable;
    }
    auto surface = std::make_unique<Surface>();
    const int surfaceWidth = bitmap->Width();
    const int surfaceHeight = bitmap->Height();
    if (const SurfaceResult made =
            surface->Create(surfaceWidth, surfaceHeight,
                            DDSCAPS_OFFSCREENPLAIN | memoryCaps(surfaceWidth, surfaceHeight));
        made != SurfaceResult::Ok) {
        return made;
    }
    const SurfaceResult drawn = surface->DrawBitmap(bitmap.get(), 0, 0, 0, 0);
    out = std::move(surface);
    return drawn;
}

} // namespace gfx
