#include "screens/ScreenArtOrnaments.h"

#include <cmath>
#include <string>
#include <vector>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtRandom.h"

namespace assetgen {
namespace {

constexpr double kPi = 3.14159265358979323846;

cairo_pattern_t* GiltGradient(double x0, double y0, double x1, double y1) {
    cairo_pattern_t* gilt = cairo_pattern_create_linear(x0, y0, x1, y1);
    const Colour stops[] = {theme::kGoldLight,
                            theme::kGold,
                            theme::kGoldDark,
                            theme::kGold,
                            theme::kGoldLight.Shade(-0.1),
                            theme::kGoldDark};
    const double offsets[] = {0.0, 0.2, 0.45, 0.62, 0.8, 1.0};
    for (int i = 0; i < 6; ++i) {
        cairo_pattern_add_color_stop_rgb(gilt, offsets[i], stops[i].r, stops[i].g, stops[i].b);
    }
    return gilt;
}

// The characters of a UTF-8 string, one string each.
std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        out.emplace_back(text.substr(i, length));
        i += length;
    }
    return out;
}

} // namespace

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    radius = std::min(radius, std::min(w, h) / 2);
    if (radius <= 0) {
        cairo_rectangle(cr, x, y, w, h);
        return;
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double radius, double width) {
    cairo_save(cr);
    const double half = width / 2;
    cairo_pattern_t* gilt = GiltGradient(x, y, x + w * 0.35, y + h);
    RoundedRectPath(cr, x + half, y + half, w - width, h - width, std::max(0.0, radius - half));
    cairo_set_source(cr, gilt);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_pattern_destroy(gilt);
    // Hairlines: dark outside and inside, so the band stands off the surfaces around it. A
    // narrow band would be all hairline, so it goes without.
    if (width < 2.5) {
        cairo_restore(cr);
        return;
    }
    cairo_set_line_width(cr, 1);
    theme::kInk.WithAlpha(0.55).Use(cr);
    RoundedRectPath(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
    cairo_stroke(cr);
    RoundedRectPath(cr, x + width - 0.5, y + width - 0.5, w - 2 * width + 1, h - 2 * width + 1,
                    std::max(0.0, radius - width));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void GoldRule(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_save(cr);
    cairo_pattern_t* gilt = GiltGradient(x0, y0 - width, x0 + 40, y1 + width);
    cairo_set_source(cr, gilt);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_pattern_destroy(gilt);
    cairo_restore(cr);
}

void Divider(cairo_t* cr, double centreX, double y, double halfWidth, const Colour& colour) {
    cairo_save(cr);
    colour.Use(cr);
    // Two tapering blades meeting at a diamond.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, centreX + side * 6, y - 1.2);
        cairo_line_to(cr, centreX + side * halfWidth, y);
        cairo_line_to(cr, centreX + side * 6, y + 1.2);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_arc(cr, centreX + side * (halfWidth * 0.55), y, 1.6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_move_to(cr, centreX, y - 5);
    cairo_line_to(cr, centreX + 5, y);
    cairo_line_to(cr, centreX, y + 5);
    cairo_line_to(cr, centreX - 5, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void FretCorners(cairo_t* cr, double x, double y, double w, double h, double arm,
                 const Colour& colour, double lineWidth) {
    cairo_save(cr);
    colour.Use(cr);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    const double step = arm / 3;
    for (int corner = 0; corner < 4; ++corner) {
        const double sx = (corner & 1) ? -1 : 1;
        const double sy = (corner & 2) ? -1 : 1;
        const double cx = (corner & 1) ? x + w : x;
        const double cy = (corner & 2) ? y + h : y;
        // An outer L and an inner hook: the squared spiral of the key fret.
        cairo_move_to(cr, cx + sx * arm, cy);
        cairo_line_to(cr, cx, cy);
        cairo_line_to(cr, cx, cy + sy * arm);
        cairo_move_to(cr, cx + sx * step, cy + sy * arm);
        cairo_line_to(cr, cx + sx * step, cy + sy * step);
        cairo_line_to(cr, cx + sx * 2 * step, cy + sy * step);
        cairo_line_to(cr, cx + sx * 2 * step, cy + sy * 2 * step);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void CloudCurl(cairo_t* cr, double x, double y, double size, bool flip, const Colour& colour) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (flip) {
        cairo_scale(cr, -1, 1);
    }
    const double s = size / 20.0;
    colour.Use(cr);
    cairo_set_line_width(cr, 1.6 * s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // A spiral and its trailing tail.
    cairo_new_path(cr);
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const double t = i / static_cast<double>(steps);
        const double angle = kPi * 0.5 + t * 2.6 * kPi;
        const double r = (1 - t) * 7 * s + 1.2 * s;
        const double px = 7 * s + std::cos(angle) * r;
        const double py = 7 * s - std::sin(angle) * r;
        if (i == 0) {
            cairo_move_to(cr, px, py);
        } else {
            cairo_line_to(cr, px, py);
        }
    }
    cairo_stroke(cr);
    cairo_move_to(cr, 7 * s, 14.2 * s);
    cairo_curve_to(cr, 12 * s, 15 * s, 16 * s, 12 * s, 20 * s, 13 * s);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Seal(Canvas& canvas, double x, double y, double size, std::string_view text,
          std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    RoundedRectPath(cr, x, y, size, size, size * 0.08);
    theme::kCinnabar.Use(cr);
    cairo_fill(cr);
    // Carved characters in the colour of the paper.
    const std::vector<std::string> characters = Characters(text);
    const Colour paper = theme::kParchmentLight;
    TextStyle style{kCalligraphy, size * 0.46, true, paper};
    const double inner = size * 0.1;
    const double cell = (size - 2 * inner) / 2;
    if (characters.size() >= 4) {
        for (int i = 0; i < 4; ++i) {
            const double column = i < 2 ? 1 : 0; // the right column is read first
            const double row = i % 2;
            DrawTextCentred(cr, style, characters[i], x + inner + column * cell,
                            y + inner + row * cell - size * 0.02, cell, cell);
        }
    } else if (characters.size() == 2) {
        style.sizePx = size * 0.44;
        for (int i = 0; i < 2; ++i) {
            DrawTextCentred(cr, style, characters[i], x, y + inner + i * cell - size * 0.02, size,
                            cell);
        }
    } else if (!characters.empty()) {
        style.sizePx = size * 0.72;
        DrawTextCentred(cr, style, characters[0], x, y - size * 0.04, size, size);
    }
    // An inner border line, then wear: flecks of paper where the stamp took no ink.
    paper.Use(cr);
    cairo_set_line_width(cr, std::max(1.0, size * 0.04));
    RoundedRectPath(cr, x + size * 0.07, y + size * 0.07, size * 0.86, size * 0.86, size * 0.04);
    cairo_stroke(cr);
    ScreenArtRandom random(seed);
    const int flecks = static_cast<int>(size * 0.8);
    for (int i = 0; i < flecks; ++i) {
        const double fx = x + random.Range(1, size - 1);
        const double fy = y + random.Range(1, size - 1);
        cairo_rectangle(cr, std::floor(fx), std::floor(fy), 1, 1);
    }
    theme::kCinnabar.Shade(0.35).WithAlpha(0.55).Use(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void InkWell(Canvas& canvas, double x, double y, double w, double h, double radius,
             std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    GoldFrame(cr, x - 2, y - 2, w + 4, h + 4, radius + 2, 2);
    RoundedRectPath(cr, x, y, w, h, radius);
    FillPathWith(canvas, InkShader(seed));
    // Inner shadow along the top and left edges.
    cairo_pattern_t* shadow = cairo_pattern_create_linear(0, y, 0, y + std::min(6.0, h / 2));
    cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.55);
    cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
    RoundedRectPath(cr, x, y, w, h, radius);
    cairo_set_source(cr, shadow);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);
    cairo_restore(cr);
}

double TitlePair(cairo_t* cr, const TitleStyle& style, std::string_view chinese,
                 std::string_view english, double centreX, double y) {
    TextStyle zh{kCalligraphy, style.chineseSize, false, style.chinese};
    zh.align = Align::Centre;
    const TextExtent zhExtent = MeasureText(cr, zh, chinese);
    DrawText(cr, zh, chinese, centreX, y);
    double bottom = y + zhExtent.height;
    if (!english.empty()) {
        TextStyle en{kPlain, style.englishSize, false, style.english};
        en.align = Align::Centre;
        en.letterSpacing = style.englishSize * 0.12;
        const double top = bottom - style.chineseSize * 0.12 + style.gap;
        DrawText(cr, en, english, centreX, top);
        bottom = top + MeasureText(cr, en, english).height;
    }
    return bottom;
}

} // namespace assetgen
