#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace assetgen {

// An ARGB drawing surface of a fixed size with its Cairo context. Painters draw with Cairo and
// Pango; the writers read the finished pixels back, unpremultiplied.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width; }
    int Height() const { return height; }
    cairo_t* Cr() const { return cr; }
    cairo_surface_t* Surface() const { return surface; }

    // Top-down rows of unpremultiplied 0xAARRGGBB pixels.
    std::vector<std::uint32_t> Pixels() const;
    // Replaces the content with the given unpremultiplied pixels (same size).
    void SetPixels(const std::vector<std::uint32_t>& pixels);
    // Paints another canvas with its top-left corner at (x, y), alpha blended.
    void Draw(const Canvas& source, double x, double y) const;
    // Paints the part (sx, sy, w, h) of another canvas at (x, y).
    void DrawPart(const Canvas& source, int sx, int sy, int w, int h, double x, double y) const;

private:
    int width;
    int height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

} // namespace assetgen
