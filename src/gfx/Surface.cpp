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
    std::vector<std::uint16_t>().swap(runs);
    std::vector<std::uint32_t>().swap(rowRuns);
    std::vector<std::uint8_t>().swap(colorIndices);
    std::vector<std::uint16_t>().swap(colorTable);
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

namespace {

// The colours of a compact surface: at most 256, each found again by a small open-addressed
// table, so compacting costs a couple of steps a pixel.
class ColorTable {
public:
    // The colour's index, added when new; -1 when the table is full.
    int IndexOf(std::uint16_t color) {
        std::size_t slot = (color * 0x9E37u >> 7) & (kSlots - 1);
        while (used[slot]) {
            if (keys[slot] == color) {
                return indices[slot];
            }
            slot = (slot + 1) & (kSlots - 1);
        }
        if (colors.size() == 256) {
            return -1;
        }
        used[slot] = true;
        keys[slot] = color;
        indices[slot] = static_cast<std::uint8_t>(colors.size());
        colors.push_back(color);
        return indices[slot];
    }
    std::vector<std::uint16_t>& Colors() { return colors; }

private:
    static constexpr std::size_t kSlots = 1024;
    bool used[kSlots] = {};
    std::uint16_t keys[kSlots] = {};
    std::uint8_t indices[kSlots] = {};
    std::vector<std::uint16_t> colors;
};

} // namespace

bool Surface::Compact() {
    if (!IsCreated()) {
        return false;
    }
    const int width = Width();
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(width) * Height());
    ColorTable table;
    std::uint8_t* out = packed.data();
    // Pictures run in stretches of one colour: the last one is looked up only once.
    int last = table.IndexOf(Row(0)[0]);
    std::uint16_t lastColor = Row(0)[0];
    for (int y = 0; y < Height(); ++y) {
        const std::uint16_t* row = Row(y);
        for (int x = 0; x < width; ++x) {
            if (row[x] != lastColor) {
                lastColor = row[x];
                last = table.IndexOf(lastColor);
                if (last < 0) {
                    return false;
                }
            }
            *out++ = static_cast<std::uint8_t>(last);
        }
    }
    Release();
    colorIndices = std::move(packed);
    colorTable = std::move(table.Colors());
    return true;
}

void Surface::Expand() {
    if (!IsCompact()) {
        return;
    }
    pixels = std::make_unique<std::uint16_t[]>(PixelCount());
    const std::uint8_t* in = colorIndices.data();
    for (int y = 0; y < Height(); ++y) {
        std::uint16_t* row = WritableRow(y);
        for (int x = 0; x < Width(); ++x) {
            row[x] = colorTable[*in++];
        }
    }
    std::vector<std::uint8_t>().swap(colorIndices);
    std::vector<std::uint16_t>().swap(colorTable);
}

} // namespace gfx
