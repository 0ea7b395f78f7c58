#pragma once

#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace assetgen {

// A colour with components 0..1.
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 1;

    static constexpr Colour Hex(std::uint32_t rgb, double alpha = 1) {
        return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0,
                alpha};
    }
    // Towards white (amount > 0) or black (amount < 0).
    constexpr Colour Shade(double amount) const {
        const double t = amount < 0 ? -amount : amount;
        const double target = amount < 0 ? 0.0 : 1.0;
        return {r + (target - r) * t, g + (target - g) * t, b + (target - b) * t, a};
    }
    constexpr Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
    void Use(cairo_t* cr) const { cairo_set_source_rgba(cr, r, g, b, a); }
    // "#rrggbb", for the help page's drawings.
    std::string Css() const {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x", Byte(r), Byte(g), Byte(b));
        return text;
    }

private:
    static unsigned Byte(double v) { return static_cast<unsigned>(v * 255 + 0.5) & 0xFF; }
};

} // namespace assetgen
