#include "gfx/Surface.h"

#include <algorithm>
#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/PixelKernels.h"

namespace gfx {

namespace {

// Rows are padded to 8 bytes, as video memory often pads them: code that walks surfaces must
// use each surface's own pitch, never its width.
int PitchFor(int width) {
    return (width * 2 + 7) & ~7;
}

constexpr int kMaxSide = 16384;

std::uint16_t FromColorRef(std::uint32_t color) {
    return PixelKernels::ToRgb565(PixelKernels::SwapRedBlue(color & 0xFFFFFF));
}

std::uint32_t ToColorRef(std::uint16_t pixel) {
    return PixelKernels::SwapRedBlue(PixelKernels::ToRgb888(pixel));
}

} // namespace

SurfaceResult Surface::Create(int width, int height, std::uint32_t caps) {
    const SurfaceResult made = CreateUnfilled(width, height, caps);
    if (made == SurfaceResult::Ok) {
        std::fill_n(pixels.get(), PixelCount(), std::uint16_t{0});
    }
    return made;
}

SurfaceResult Surface::CreateUnfilled(int width, int height, std::uint32_t caps) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return SurfaceResult::InvalidArgument;
    }
    description = SurfaceDescription{};
    description.width = width;
    description.height = height;
    description.pitch = PitchFor(width);
    description.caps = caps;
    pixels = std::make_unique_for_overwrite<std::uint16_t[]>(PixelCount());
    for (int y = 0; y < height && Stride() > width; ++y) {
        std::fill(WritableRow(y) + width, WritableRow(y) + Stride(), std::uint16_t{0});
    }
    colorKeyed = false;
    runsValid = false;
    return SurfaceResult::Ok;
}

void Surface::Release() {
    pixels.reset();
    runs.clear();
    rowRuns.clear();
    runsValid = false;
}

std::uint16_t* Surface::WritablePixels() {
    runsValid = false;
    return pixels.get();
}

SurfaceResult Surface::DrawBitmap(const Bitmap* bitmap, int sourceX, int sourceY, int sourceWidth,
                                  int sourceHeight) {
    if (bitmap == nullptr || !IsCreated()) {
        return SurfaceResult::InvalidArgument;
    }
    const int bitmapWidth = bitmap->Width();
    const int bitmapHeight = bitmap->Height();
    sourceWidth = sourceWidth == 0 ? bitmapWidth : sourceWidth;
    sourceHeight = sourceHeight == 0 ? bitmapHeight : sourceHeight;
    // Only the part of the source rectangle inside the bitmap can be read.
    sourceX = std::clamp(sourceX, 0, bitmapWidth);
    sourceY = std::clamp(sourceY, 0, bitmapHeight);
    sourceWidth = std::clamp(sourceWidth, 0, bitmapWidth - sourceX);
    sourceHeight = std::clamp(sourceHeight, 0, bitmapHeight - sourceY);
    if (sourceWidth == 0 || sourceHeight == 0) {
        return SurfaceResult::Ok;
    }
    const int width = Width();
    const int height = Height();
    // Columns to look up only when the width changes; rows at their own width convert whole.
    std::vector<int> columns;
    if (sourceWidth != width) {
        columns.resize(width);
        for (int x = 0; x < width; ++x) {
            columns[x] =
                sourceX + static_cast<int>(static_cast<long long>(x) * sourceWidth / width);
        }
    }
    for (int y = 0; y < height; ++y) {
        const int row =
            sourceY + static_cast<int>(static_cast<long long>(y) * sourceHeight / height);
        const std::uint32_t* in = bitmap->Row(row);
        std::uint16_t* out = WritableRow(y);
        if (columns.empty()) {
            PixelKernels::ToRgb565Row(in + sourceX, out, width);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            out[x] = PixelKernels::ToRgb565(in[columns[x]]);
        }
    }
    return SurfaceResult::Ok;
}

SurfaceResult Surface::SetColorKey(std::uint32_t color) {
    if (!IsCreated()) {
        return SurfaceResult::NotCreated;
    }
    colorKeyed = true;
    const std::uint32_t key = ColorToPixel(color);
    description.colorKeyLow = key;
    description.colorKeyHigh = key;
    runsValid = false;
    return SurfaceResult::Ok;
}

std::uint32_t Surface::ColorToPixel(std::uint32_t color) {
    if (!IsCreated()) {
        return 0xFFFFFFFF;
    }
    std::uint16_t& probe = pixels[0];
    const std::uint16_t saved = probe;
    if (color != CLR_INVALID) {
        probe = FromColorRef(color);
    }
    const std::uint32_t value = probe;
    if (color != CLR_INVALID) {
        probe = FromColorRef(ToColorRef(saved));
    }
    return value;
}

void Surface::BuildRuns() {
    runs.clear();
    rowRuns.assign(static_cast<std::size_t>(Height()) + 1, 0);
    const std::uint16_t key = Key();
    const int width = Width();
    for (int y = 0; y < Height(); ++y) {
        const std::uint16_t* row = Row(y);
        int x = 0;
        while (x < width) {
            while (x < width && row[x] == key) {
                ++x;
            }
            const int begin = x;
            while (x < width && row[x] != key) {
                ++x;
            }
            if (begin < x) {
                runs.push_back(static_cast<std::uint16_t>(begin));
                runs.push_back(static_cast<std::uint16_t>(x));
            }
        }
        rowRuns[y + 1] = static_cast<std::uint32_t>(runs.size());
    }
    runsValid = true;
}

Surface::Runs Surface::OpaqueRuns(int y) {
    if (!runsValid) {
        BuildRuns();
    }
    return {runs.data() + rowRuns[y], runs.data() + rowRuns[y + 1]};
}

} // namespace gfx
