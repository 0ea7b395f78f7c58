#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "gfx/SurfaceResult.h"

namespace gfx {

class Bitmap;

constexpr std::uint32_t DDPF_RGB = 0x00000040;
constexpr std::uint32_t DDSCAPS_OFFSCREENPLAIN = 0x00000040;
constexpr std::uint32_t DDSCAPS_SYSTEMMEMORY = 0x00000800;
constexpr std::uint32_t DDSCAPS_VIDEOMEMORY = 0x00004000;
// The GDI colour that means "no colour".
constexpr std::uint32_t CLR_INVALID = 0xFFFFFFFF;

struct PixelFormat {
    std::uint32_t flags = DDPF_RGB;
    std::uint32_t bitCount = 16;
    std::uint32_t redMask = 0xF800;
    std::uint32_t greenMask = 0x07E0;
    std::uint32_t blueMask = 0x001F;
};

// What a surface is: its size, the bytes from one row to the next, where it lives, its pixel
// format and its source colour key.
struct SurfaceDescription {
    int width = 0;
    int height = 0;
    int pitch = 0;
    std::uint32_t caps = 0;
    PixelFormat pixelFormat;
    std::uint32_t colorKeyLow = 0;
    std::uint32_t colorKeyHigh = 0;
};

// An off-screen RGB565 image in memory: a bitmap of a picture, a screen copy, the back buffer.
class Surface {
public:
    // Makes a width x height RGB565 surface, all black; InvalidArgument for a size that is not
    // positive.
    SurfaceResult Create(int width, int height, std::uint32_t caps);
    // The same with the pixels left unset (the padding past each row still zero), for a surface
    // whose every row is written next.
    SurfaceResult CreateUnfilled(int width, int height, std::uint32_t caps);
    void Release();
    bool IsCreated() const { return pixels != nullptr; }

    // Stretches the source rectangle of the bitmap over the whole surface (a source width or
    // height of 0 means the bitmap's own), converting to RGB565.
    SurfaceResult DrawBitmap(const Bitmap* bitmap, int sourceX, int sourceY, int sourceWidth,
                             int sourceHeight);

    // Makes `color` (a GDI colour, 0x00BBGGRR) the source colour key of keyed copies.
    SurfaceResult SetColorKey(std::uint32_t color);
    // The surface's pixel value for a GDI colour, found by writing it to the top-left pixel and
    // reading it back; the pixel is put back afterwards. 0xFFFFFFFF without pixels; with
    // CLR_INVALID, the top-left pixel as it is.
    std::uint32_t ColorToPixel(std::uint32_t color);

    const SurfaceDescription& Description() const { return description; }
    std::uint16_t Key() const { return static_cast<std::uint16_t>(description.colorKeyLow); }

    // Pixel access, the stand-in for locking: null without pixels. Writable access marks the
    // opaque runs for rebuilding, so reads go through the const accessors.
    std::uint16_t* WritablePixels();
    const std::uint16_t* Pixels() const { return pixels.get(); }
    std::uint16_t* WritableRow(int y) {
        return WritablePixels() + static_cast<std::size_t>(y) * Stride();
    }
    const std::uint16_t* Row(int y) const {
        return pixels.get() + static_cast<std::size_t>(y) * Stride();
    }
    int Width() const { return description.width; }
    int Height() const { return description.height; }

    // The runs of non-key pixels of row y, as pairs of begin and end columns, for keyed copies:
    // made once after the pixels or the key change, so a copy skips transparent runs whole.
    struct Runs {
        const std::uint16_t* begin;
        const std::uint16_t* end;
    };
    Runs OpaqueRuns(int y);

    // Holds the pixels as 8-bit indices into a table of their colours, in about half the
    // memory, for a surface not drawn for a while; false, and nothing changed, when they have
    // more than 256 colours. A compact surface counts as not created: nothing reads or draws it
    // until Expand.
    bool Compact();
    // The pixels back exactly as they were before Compact; nothing for a surface not compact.
    void Expand();
    bool IsCompact() const { return !colorTable.empty(); }

    bool colorKeyed = false;

private:
    int Stride() const { return description.pitch / 2; }
    std::size_t PixelCount() const { return static_cast<std::size_t>(Stride()) * Height(); }
    void BuildRuns();

    SurfaceDescription description;
    std::unique_ptr<std::uint16_t[]> pixels;
    // Per row, begin/end column pairs; rowRuns[y] .. rowRuns[y + 1] index into runs.
    std::vector<std::uint16_t> runs;
    std::vector<std::uint32_t> rowRuns;
    bool runsValid = false;
    // While compact: the row-major indices (width per row) and the colours they name.
    std::vector<std::uint8_t> colorIndices;
    std::vector<std::uint16_t> colorTable;
};

} // namespace gfx
