#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

namespace assetgen {

// The mouse pointer: a writing brush held at a slant, its ink-black tip pointing up and left
// at the hotspot, a gilt ferrule and a lacquered handle, edged in paper white so it shows on
// the dark wood as well as on parchment. Written as a cursor file with one 32-bit image.
class CursorArt {
public:
    static constexpr int kSize = 32;
    // The first pixel the ink of the tip covers.
    static constexpr int kHotspotX = 2;
    static constexpr int kHotspotY = 2;

    static void Paint(Canvas& canvas);
    // A cursor file: the directory, one entry with the hotspot, and a headerless bitmap of
    // bottom-up BGRA rows followed by the 1-bit mask (set where the pointer is transparent).
    // `pixels` are kSize x kSize top-down unpremultiplied 0xAARRGGBB.
    static std::string Encode(const std::vector<std::uint32_t>& pixels, int hotspotX, int hotspotY);

private:
    static void Outline(cairo_t* cr);
    static void Brush(cairo_t* cr);
    static void HairPath(cairo_t* cr);
};

} // namespace assetgen
