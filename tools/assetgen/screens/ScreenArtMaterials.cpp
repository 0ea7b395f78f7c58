#include "screens/ScreenArtMaterials.h"

#include <cmath>
#include <memory>

#include "Theme.h"
#include "screens/ScreenArtNoise.h"

namespace assetgen {
namespace {

Colour Shaded(const Colour& c, double shade) {
    return shade == 0 ? c : c.Shade(shade);
}

} // namespace

PixelShader WoodShader(std::uint32_t seed, double shade) {
    auto noise = std::make_shared<ScreenArtNoise>(seed);
    return [noise, shade](int x, int y) {
        // Long horizontal fibres whose rows wander, and a fine speckle on top.
        const double warp = noise->Fbm(x / 170.0, y / 34.0, 2);
        const double grain = noise->Fbm(x / 320.0, y / 2.8 + warp * 7, 3);
        const double figure = noise->Fbm(x / 90.0, y / 22.0, 2);
        const double fine = noise->At(x / 1.4, y / 1.1);
        const double t = 0.1 + 0.62 * grain + 0.22 * figure + 0.08 * fine;
        return Shaded(Mix(theme::kWoodDark, theme::kWood, t), shade);
    };
}

PixelShader LacquerShader(std::uint32_t seed, double shade) {
    auto noise = std::make_shared<ScreenArtNoise>(seed);
    return [noise, shade](int x, int y) {
        // Polished: the grain shows only faintly through the deep red-black.
        const double grain = noise->Fbm(x / 260.0, y / 3.5 + noise->At(x / 120.0, y / 40.0) * 5, 2);
        const double cloud = noise->Fbm(x / 140.0, y / 90.0, 3);
        const double fine = noise->At(x / 1.2, y / 1.2);
        const Colour deep = theme::kWoodDark.Shade(-0.35);
        const double t = 0.2 + 0.35 * grain + 0.35 * cloud + 0.1 * fine;
        return Shaded(Mix(deep, theme::kWood.Shade(-0.15), t), shade);
    };
}

PixelShader ParchmentShader(std::uint32_t seed, double shade) {
    auto noise = std::make_shared<ScreenArtNoise>(seed);
    return [noise, shade](int x, int y) {
        const double blot = noise->Fbm(x / 80.0, y / 80.0, 4);
        const double fibre = noise->Fbm(x / 1.6, y / 11.0, 2);
        const double speck = noise->At(x / 0.9 + 3.7, y / 0.9 + 1.3);
        Colour c = Mix(theme::kParchmentDark, theme::kParchmentLight, 0.2 + 0.75 * blot);
        c = c.Shade(-(fibre - 0.5) * 0.09);
        if (speck > 0.93) {
            c = c.Shade(-0.12);
        }
        return Shaded(c, shade);
    };
}

PixelShader InkShader(std::uint32_t seed) {
    auto noise = std::make_shared<ScreenArtNoise>(seed);
    return [noise](int x, int y) {
        const double t = noise->Fbm(x / 40.0, y / 12.0, 3);
        return Mix(theme::kInk.Shade(-0.3), theme::kInk.Shade(0.06), t);
    };
}

void FillPathWith(Canvas& canvas, const PixelShader& shader, bool antialias) {
    cairo_t* cr = canvas.Cr();
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    const int left = static_cast<int>(std::floor(x0));
    const int top = static_cast<int>(std::floor(y0));
    const int width = static_cast<int>(std::ceil(x1)) - left;
    const int height = static_cast<int>(std::ceil(y1)) - top;
    if (width <= 0 || height <= 0) {
        cairo_new_path(cr);
        return;
    }
    Canvas texture(width, height);
    ShadePixels(texture, 0, 0, width, height,
                [&](int x, int y) { return shader(x + left, y + top); });
    cairo_save(cr);
    cairo_set_antialias(cr, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_source_surface(cr, texture.Surface(), left, top);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace assetgen
