#include "screens/ScreenArtPixels.h"

#include <algorithm>
#include <cstdint>

namespace assetgen {
namespace {

std::uint32_t Channel(double value) {
    return static_cast<std::uint32_t>(std::clamp(value, 0.0, 1.0) * 255 + 0.5);
}

} // namespace

void ShadePixels(Canvas& canvas, int x, int y, int w, int h, const PixelShader& shader) {
    const int left = std::max(0, x);
    const int top = std::max(0, y);
    const int right = std::min(canvas.Width(), x + w);
    const int bottom = std::min(canvas.Height(), y + h);
    if (left >= right || top >= bottom) {
        return;
    }
    cairo_surface_t* surface = canvas.Surface();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int row = top; row < bottom; ++row) {
        auto* pixels = reinterpret_cast<std::uint32_t*>(data + row * stride);
        for (int column = left; column < right; ++column) {
            const Colour c = shader(column, row);
            const double a = std::clamp(c.a, 0.0, 1.0);
            if (a <= 0) {
                continue;
            }
            // Premultiplied source over premultiplied destination.
            const std::uint32_t d = pixels[column];
            const double keep = 1 - a;
            const double da = (d >> 24) / 255.0;
            const double dr = ((d >> 16) & 0xFF) / 255.0;
            const double dg = ((d >> 8) & 0xFF) / 255.0;
            const double db = (d & 0xFF) / 255.0;
            pixels[column] = (Channel(a + da * keep) << 24) | (Channel(c.r * a + dr * keep) << 16) |
                             (Channel(c.g * a + dg * keep) << 8) | Channel(c.b * a + db * keep);
        }
    }
    cairo_surface_mark_dirty(surface);
}

Colour Mix(const Colour& a, const Colour& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

double SmoothStep(double edge0, double edge1, double value) {
    const double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

} // namespace assetgen
