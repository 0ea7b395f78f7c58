#include "Canvas.h"

#include <algorithm>

namespace assetgen {

Canvas::Canvas(int width, int height)
    : width(width), height(height),
      surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr(cairo_create(surface)) {}

Canvas::~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

std::vector<std::uint32_t> Canvas::Pixels() const {
    cairo_surface_flush(surface);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        std::uint32_t* out = &pixels[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t a = p >> 24;
            if (a == 0) {
                out[x] = 0;
                continue;
            }
            auto channel = [&](int shift) {
                const std::uint32_t c = (p >> shift) & 0xFF;
                return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a);
            };
            out[x] = (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
    }
    return pixels;
}

void Canvas::SetPixels(const std::vector<std::uint32_t>& pixels) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        const std::uint32_t* in = &pixels[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = in[x];
            const std::uint32_t a = p >> 24;
            auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * a + 127) / 255; };
            row[x] = (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void Canvas::Draw(const Canvas& source, double x, double y) const {
    cairo_save(cr);
    cairo_set_source_surface(cr, source.surface, x, y);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Canvas::DrawPart(const Canvas& source, int sx, int sy, int w, int h, double x,
                      double y) const {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, source.surface, x - sx, y - sy);
    cairo_paint(cr);
    cairo_restore(cr);
}

} // namespace assetgen
