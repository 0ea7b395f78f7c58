#include "pieces/PieceArtEmblem.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace assetgen {
namespace {

constexpr double kPi = std::numbers::pi;
// Unit shapes are measured at this scale so the ink extents keep their precision.
constexpr double kMeasureScale = 1000;

} // namespace

bool PieceArtEmblem::Upright(Emblem emblem) {
    return emblem == Emblem::Flame || emblem == Emblem::Banner || emblem == Emblem::Seal ||
           emblem == Emblem::Fan;
}

void PieceArtEmblem::Paint(cairo_t* cr, Emblem emblem, const ArtRect& box, double angle,
                           const Colour& colour, double opacity) {
    const ArtRect unit = Extents(emblem, angle);
    if (unit.w <= 0 || unit.h <= 0) {
        return;
    }
    const double scale = std::min(box.w / unit.w, box.h / unit.h);
    cairo_save(cr);
    cairo_push_group(cr);
    cairo_translate(cr, box.CentreX() - (unit.x + unit.w / 2) * scale,
                    box.CentreY() - (unit.y + unit.h / 2) * scale);
    cairo_scale(cr, scale, scale);
    cairo_rotate(cr, angle);
    colour.WithAlpha(1).Use(cr);
    Shape(cr, emblem);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, opacity * colour.a);
    cairo_restore(cr);
}

ArtRect PieceArtEmblem::Extents(Emblem emblem, double angle) {
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_ALPHA, nullptr);
    cairo_t* cr = cairo_create(recording);
    cairo_scale(cr, kMeasureScale, kMeasureScale);
    cairo_rotate(cr, angle);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    Shape(cr, emblem);
    cairo_destroy(cr);
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    cairo_recording_surface_ink_extents(recording, &x, &y, &w, &h);
    cairo_surface_destroy(recording);
    return {x / kMeasureScale, y / kMeasureScale, w / kMeasureScale, h / kMeasureScale};
}

void PieceArtEmblem::Shape(cairo_t* cr, Emblem emblem) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (emblem) {
    case Emblem::Spear:
        return SpearShape(cr);
    case Emblem::Lance:
        return LanceShape(cr);
    case Emblem::Glaive:
        return GlaiveShape(cr);
    case Emblem::SnakeSpear:
        return SnakeSpearShape(cr);
    case Emblem::Halberd:
        return HalberdShape(cr);
    case Emblem::Sword:
        return SwordShape(cr);
    case Emblem::Saber:
        return SaberShape(cr);
    case Emblem::Bow:
        return BowShape(cr);
    case Emblem::Axe:
        return AxeShape(cr);
    case Emblem::Banner:
        return BannerShape(cr);
    case Emblem::Fan:
        return FanShape(cr);
    case Emblem::Flame:
        return FlameShape(cr);
    case Emblem::Seal:
        return SealShape(cr);
    case Emblem::CrossedSpears:
        return CrossedSpearsShape(cr);
    }
}

void PieceArtEmblem::Cut(cairo_t* cr, double lineWidth) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    if (lineWidth > 0) {
        cairo_set_line_width(cr, lineWidth);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void PieceArtEmblem::Shaft(cairo_t* cr, double from, double to, double width) {
    cairo_rectangle(cr, -width / 2, from, width, to - from);
    cairo_fill(cr);
}

void PieceArtEmblem::LeafBlade(cairo_t* cr, double length, double width) {
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, width * 0.35, length * 0.2, width, length * 0.5, width * 0.55, length);
    cairo_line_to(cr, -width * 0.55, length);
    cairo_curve_to(cr, -width, length * 0.5, -width * 0.35, length * 0.2, 0, 0);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, -width * 0.75, length, width * 1.5, length * 0.08);
    cairo_fill(cr);
}

void PieceArtEmblem::Tassel(cairo_t* cr, double at) {
    cairo_move_to(cr, -0.015, at);
    cairo_curve_to(cr, -0.05, at + 0.04, -0.075, at + 0.08, -0.065, at + 0.125);
    cairo_line_to(cr, -0.035, at + 0.1);
    cairo_line_to(cr, 0, at + 0.135);
    cairo_line_to(cr, 0.035, at + 0.1);
    cairo_line_to(cr, 0.065, at + 0.125);
    cairo_curve_to(cr, 0.075, at + 0.08, 0.05, at + 0.04, 0.015, at);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void PieceArtEmblem::SpearShape(cairo_t* cr) {
    LeafBlade(cr, 0.17, 0.05);
    Tassel(cr, 0.185);
    Shaft(cr, 0.18, 1.0, 0.028);
}

void PieceArtEmblem::LanceShape(cairo_t* cr) {
    LeafBlade(cr, 0.15, 0.042);
    Shaft(cr, 0.16, 1.0, 0.028);
    // A swallow-tailed pennant below the blade.
    cairo_move_to(cr, 0.014, 0.19);
    cairo_curve_to(cr, 0.1, 0.17, 0.16, 0.23, 0.26, 0.21);
    cairo_line_to(cr, 0.18, 0.265);
    cairo_line_to(cr, 0.26, 0.33);
    cairo_curve_to(cr, 0.16, 0.34, 0.1, 0.32, 0.014, 0.36);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void PieceArtEmblem::GlaiveShape(cairo_t* cr) {
    Shaft(cr, 0.3, 1.0, 0.03);
    cairo_move_to(cr, -0.02, 0.34);
    cairo_line_to(cr, -0.025, 0.1);
    cairo_curve_to(cr, -0.02, 0.05, 0, 0.01, 0.03, 0);
    cairo_curve_to(cr, 0.06, 0.06, 0.15, 0.1, 0.15, 0.18);
    cairo_curve_to(cr, 0.15, 0.26, 0.08, 0.31, 0.02, 0.34);
    cairo_close_path(cr);
    cairo_fill(cr);
    // The back spike and the dragon's notch.
    cairo_move_to(cr, -0.022, 0.12);
    cairo_line_to(cr, -0.08, 0.09);
    cairo_line_to(cr, -0.065, 0.14);
    cairo_line_to(cr, -0.022, 0.19);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 0.065, 0.22, 0.018, 0, 2 * kPi);
    Cut(cr, 0);
    cairo_rectangle(cr, -0.05, 0.33, 0.1, 0.025);
    cairo_fill(cr);
}

void PieceArtEmblem::SnakeSpearShape(cairo_t* cr) {
    constexpr int kSteps = 32;
    constexpr double kBlade = 0.26;
    auto centre = [](double t) { return 0.03 * std::sin(t * 3 * kPi) * (1 - 0.4 * t); };
    auto half = [](double t) { return 0.04 * std::min(1.0, t * 3); };
    cairo_move_to(cr, 0, 0);
    for (int i = 1; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        cairo_line_to(cr, centre(t) + half(t), t * kBlade);
    }
    for (int i = kSteps; i >= 1; --i) {
        const double t = static_cast<double>(i) / kSteps;
        cairo_line_to(cr, centre(t) - half(t), t * kBlade);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, -0.045, kBlade, 0.09, 0.022);
    cairo_fill(cr);
    Tassel(cr, kBlade + 0.02);
    Shaft(cr, kBlade, 1.0, 0.028);
}

void PieceArtEmblem::HalberdShape(cairo_t* cr) {
    LeafBlade(cr, 0.16, 0.036);
    Shaft(cr, 0.16, 1.0, 0.028);
    for (const double s : {-1.0, 1.0}) {
        cairo_move_to(cr, s * 0.014, 0.14);
        cairo_curve_to(cr, s * 0.08, 0.07, s * 0.18, 0.1, s * 0.16, 0.25);
        cairo_curve_to(cr, s * 0.13, 0.2, s * 0.08, 0.18, s * 0.014, 0.22);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    Tassel(cr, 0.26);
}

void PieceArtEmblem::SwordShape(cairo_t* cr) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0.034, 0.06);
    cairo_line_to(cr, 0.034, 0.66);
    cairo_line_to(cr, -0.034, 0.66);
    cairo_line_to(cr, -0.034, 0.06);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 0, 0.07);
    cairo_line_to(cr, 0, 0.62);
    Cut(cr, 0.01);
    cairo_move_to(cr, -0.11, 0.66);
    cairo_curve_to(cr, -0.06, 0.65, 0.06, 0.65, 0.11, 0.66);
    cairo_line_to(cr, 0.08, 0.7);
    cairo_line_to(cr, -0.08, 0.7);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, -0.021, 0.695, 0.042, 0.22);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0.945, 0.042, 0, 2 * kPi);
    cairo_fill(cr);
}

void PieceArtEmblem::SaberShape(cairo_t* cr) {
    cairo_move_to(cr, -0.03, 0.7);
    cairo_line_to(cr, -0.03, 0.08);
    cairo_curve_to(cr, -0.03, 0.03, 0, 0, 0.045, 0);
    cairo_curve_to(cr, 0.09, 0.1, 0.095, 0.3, 0.045, 0.7);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, 0.71);
    cairo_scale(cr, 0.075, 0.02);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, -0.019, 0.72, 0.038, 0.19);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0.95, 0.042, 0, 2 * kPi);
    cairo_set_line_width(cr, 0.016);
    cairo_stroke(cr);
}

void PieceArtEmblem::BowShape(cairo_t* cr) {
    cairo_move_to(cr, 0.02, 0);
    cairo_curve_to(cr, -0.33, 0.12, -0.33, 0.88, 0.02, 1);
    cairo_set_line_width(cr, 0.036);
    cairo_stroke(cr);
    cairo_move_to(cr, 0.02, 0.005);
    cairo_line_to(cr, 0.06, 0.5);
    cairo_line_to(cr, 0.02, 0.995);
    cairo_set_line_width(cr, 0.008);
    cairo_stroke(cr);
    // The arrow drawn back to the string, its head past the bow.
    cairo_move_to(cr, 0.06, 0.5);
    cairo_line_to(cr, -0.36, 0.5);
    cairo_set_line_width(cr, 0.012);
    cairo_stroke(cr);
    cairo_move_to(cr, -0.43, 0.5);
    cairo_line_to(cr, -0.35, 0.47);
    cairo_line_to(cr, -0.37, 0.5);
    cairo_line_to(cr, -0.35, 0.53);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (const double s : {-1.0, 1.0}) {
        cairo_move_to(cr, 0.02, 0.5);
        cairo_line_to(cr, 0.06, 0.5 + s * 0.03);
        cairo_line_to(cr, 0.1, 0.5 + s * 0.03);
        cairo_line_to(cr, 0.07, 0.5);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void PieceArtEmblem::AxeShape(cairo_t* cr) {
    Shaft(cr, 0.04, 1.0, 0.03);
    cairo_move_to(cr, -0.016, 0.06);
    cairo_line_to(cr, 0, 0);
    cairo_line_to(cr, 0.016, 0.06);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 0.015, 0.09);
    cairo_line_to(cr, 0.1, 0.06);
    cairo_curve_to(cr, 0.17, 0.03, 0.25, 0.12, 0.24, 0.2);
    cairo_curve_to(cr, 0.25, 0.28, 0.17, 0.37, 0.1, 0.34);
    cairo_line_to(cr, 0.015, 0.31);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, -0.015, 0.15);
    cairo_line_to(cr, -0.09, 0.2);
    cairo_line_to(cr, -0.015, 0.25);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 0.1, 0.2, 0.026, 0, 2 * kPi);
    Cut(cr, 0);
}

void PieceArtEmblem::BannerShape(cairo_t* cr) {
    cairo_save(cr);
    cairo_scale(cr, 0.6, 0.4);
    LeafBlade(cr, 0.15, 0.05);
    cairo_restore(cr);
    Shaft(cr, 0.06, 1.0, 0.024);
    cairo_move_to(cr, 0.012, 0.09);
    cairo_line_to(cr, 0.46, 0.09);
    cairo_line_to(cr, 0.38, 0.28);
    cairo_line_to(cr, 0.46, 0.47);
    cairo_line_to(cr, 0.012, 0.47);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 0.2, 0.28, 0.09, 0, 2 * kPi);
    Cut(cr, 0.014);
    cairo_move_to(cr, 0.05, 0.13);
    cairo_line_to(cr, 0.05, 0.43);
    Cut(cr, 0.01);
    // Streamers lifting off the top of the pole.
    cairo_move_to(cr, 0, 0.08);
    cairo_curve_to(cr, -0.09, 0.12, -0.03, 0.21, -0.12, 0.3);
    cairo_set_line_width(cr, 0.014);
    cairo_stroke(cr);
}

void PieceArtEmblem::FanShape(cairo_t* cr) {
    Shaft(cr, 0.62, 0.97, 0.034);
    cairo_move_to(cr, 0, 0.67);
    cairo_curve_to(cr, -0.3, 0.56, -0.27, 0.04, 0, 0.02);
    cairo_curve_to(cr, 0.27, 0.04, 0.3, 0.56, 0, 0.67);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, 0, 0.62);
        cairo_line_to(cr, i * 0.055, 0.1 + std::abs(i) * 0.035);
    }
    Cut(cr, 0.009);
    cairo_rectangle(cr, -0.06, 0.6, 0.12, 0.05);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0.985, 0.03, 0, 2 * kPi);
    cairo_fill(cr);
}

void PieceArtEmblem::FlameShape(cairo_t* cr) {
    auto tongue = [cr](double x, double y, double size) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, size, size);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 0.05, 0.25, 0.32, 0.42, 0.26, 0.74);
        cairo_curve_to(cr, 0.22, 0.93, 0.1, 1, 0, 1);
        cairo_curve_to(cr, -0.1, 1, -0.22, 0.93, -0.26, 0.74);
        cairo_curve_to(cr, -0.3, 0.5, -0.1, 0.32, -0.02, 0.16);
        cairo_curve_to(cr, 0, 0.1, 0.01, 0.05, 0, 0);
        cairo_close_path(cr);
        cairo_restore(cr);
    };
    tongue(0, 0, 1);
    tongue(-0.2, 0.36, 0.64);
    tongue(0.21, 0.3, 0.7);
    cairo_fill(cr);
    tongue(0.01, 0.46, 0.5);
    Cut(cr, 0);
}

void PieceArtEmblem::SealShape(cairo_t* cr) {
    // The knob, a crouching beast reduced to a dome with a cord hole.
    cairo_move_to(cr, -0.2, 0.42);
    cairo_curve_to(cr, -0.22, 0.08, 0.22, 0.08, 0.2, 0.42);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0.29, 0.05, 0, 2 * kPi);
    Cut(cr, 0);
    cairo_rectangle(cr, -0.32, 0.42, 0.64, 0.56);
    cairo_fill(cr);
    cairo_rectangle(cr, -0.26, 0.48, 0.52, 0.44);
    cairo_move_to(cr, 0, 0.48);
    cairo_line_to(cr, 0, 0.92);
    cairo_move_to(cr, -0.26, 0.7);
    cairo_line_to(cr, 0.26, 0.7);
    Cut(cr, 0.024);
    // The cord and its tassel.
    cairo_move_to(cr, 0.04, 0.27);
    cairo_curve_to(cr, 0.25, 0.1, 0.4, 0.1, 0.38, 0.3);
    cairo_set_line_width(cr, 0.016);
    cairo_stroke(cr);
}

void PieceArtEmblem::CrossedSpearsShape(cairo_t* cr) {
    for (const double turn : {-0.42, 0.42}) {
        cairo_save(cr);
        cairo_translate(cr, 0, 0.55);
        cairo_rotate(cr, turn);
        cairo_translate(cr, 0, -0.55);
        SpearShape(cr);
        cairo_restore(cr);
    }
}

} // namespace assetgen
