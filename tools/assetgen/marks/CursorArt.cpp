#include "marks/CursorArt.h"

#include <numbers>

#include "Painters.h"
#include "Theme.h"
#include "encode/LittleEndian.h"

using namespace puzzle;

namespace assetgen {
namespace {

// Along the brush from its tip, in pixels.
constexpr double kHairEnd = 12;
constexpr double kFerruleEnd = 15.5;
constexpr double kHandleEnd = 37.5;
constexpr double kHalfWidth = 2;

} // namespace

void CursorArt::Paint(Canvas& canvas) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    // The brush lies along the diagonal; the point of its hair falls on the hotspot pixel's
    // corner, so the ink starts there and only the thin edge lies beyond it.
    cairo_translate(cr, kHotspotX - 0.5, kHotspotY - 0.5);
    cairo_rotate(cr, std::numbers::pi / 4);
    Outline(cr);
    Brush(cr);
    cairo_restore(cr);
}

void CursorArt::HairPath(cairo_t* cr) {
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 4, -0.5, 7, -2.9, kHairEnd, -kHalfWidth - 0.3);
    cairo_line_to(cr, kHairEnd, kHalfWidth + 0.3);
    cairo_curve_to(cr, 7, 2.9, 4, 0.5, 0, 0);
    cairo_close_path(cr);
}

void CursorArt::Outline(cairo_t* cr) {
    // A dark shadow line, then the paper-white edge round the whole brush.
    cairo_save(cr);
    // Mitred, so the edge follows the hair to a point.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, 8);
    cairo_new_path(cr);
    HairPath(cr);
    cairo_rectangle(cr, kHairEnd - 0.5, -kHalfWidth - 0.4, kHandleEnd - kHairEnd + 0.5,
                    2 * kHalfWidth + 0.8);
    cairo_set_line_width(cr, 3.2);
    theme::kInk.WithAlpha(0.55).Use(cr);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    theme::kParchmentLight.Use(cr);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void CursorArt::Brush(cairo_t* cr) {
    using namespace theme;
    cairo_new_path(cr);
    HairPath(cr);
    kInk.Use(cr);
    cairo_fill(cr);
    // The gilt ferrule holding the hair.
    cairo_rectangle(cr, kHairEnd, -kHalfWidth - 0.4, kFerruleEnd - kHairEnd, 2 * kHalfWidth + 0.8);
    kGold.Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, kHairEnd, -kHalfWidth - 0.4, kFerruleEnd - kHairEnd, 1.2);
    kGoldLight.Use(cr);
    cairo_fill(cr);
    // The lacquered handle with a gilt band and a gilt end.
    cairo_rectangle(cr, kFerruleEnd, -kHalfWidth, kHandleEnd - kFerruleEnd - 2, 2 * kHalfWidth);
    kCinnabarDark.Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, kFerruleEnd, -kHalfWidth, kHandleEnd - kFerruleEnd - 2, 1.1);
    kCinnabar.Shade(0.25).Use(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, 25, -kHalfWidth, 1.5, 2 * kHalfWidth);
    cairo_rectangle(cr, kHandleEnd - 2, -kHalfWidth - 0.4, 2, 2 * kHalfWidth + 0.8);
    kGold.Use(cr);
    cairo_fill(cr);
}

std::string CursorArt::Encode(const std::vector<std::uint32_t>& pixels, int hotspotX,
                              int hotspotY) {
    constexpr std::uint32_t kHeaderSize = 40;
    constexpr std::uint32_t kColourBytes = kSize * kSize * 4;
    constexpr std::uint32_t kMaskStride = (kSize + 31) / 32 * 4;
    constexpr std::uint32_t kImageBytes = kHeaderSize + kColourBytes + kMaskStride * kSize;
    constexpr std::uint32_t kImageOffset = 6 + 16;
    if (pixels.size() != static_cast<std::size_t>(kSize) * kSize) {
        return {};
    }
    std::string out;
    Put16(out, 0);
    Put16(out, 2); // a cursor
    Put16(out, 1);
    out.push_back(static_cast<char>(kSize));
    out.push_back(static_cast<char>(kSize));
    out.push_back(0);
    out.push_back(0);
    Put16(out, static_cast<std::uint32_t>(hotspotX));
    Put16(out, static_cast<std::uint32_t>(hotspotY));
    Put32(out, kImageBytes);
    Put32(out, kImageOffset);

    Put32(out, kHeaderSize);
    Put32(out, kSize);
    Put32(out, 2 * kSize); // colour rows and mask rows together
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, kColourBytes + kMaskStride * kSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * kSize + x];
            Put32(out, p); // little-endian 0xAARRGGBB is B, G, R, A
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {
        std::string row(kMaskStride, '\0');
        for (int x = 0; x < kSize; ++x) {
            if ((pixels[static_cast<std::size_t>(y) * kSize + x] >> 24) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        out += row;
    }
    return out;
}

std::string MakeCursorFile() {
    Canvas canvas(CursorArt::kSize, CursorArt::kSize);
    CursorArt::Paint(canvas);
    return CursorArt::Encode(canvas.Pixels(), CursorArt::kHotspotX, CursorArt::kHotspotY);
}

} // namespace assetgen
