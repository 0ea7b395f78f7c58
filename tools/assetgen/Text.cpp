#include "Text.h"

#include <pango/pangocairo.h>

#include <memory>

namespace assetgen {
namespace {

struct LayoutDeleter {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr MakeLayout(cairo_t* cr, const TextStyle& style, std::string_view text) {
    LayoutPtr layout(pango_cairo_create_layout(cr));
    // Hinting and metrics off: the same bytes on every run and every scale.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout.get());

    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, style.family);
    pango_font_description_set_absolute_size(font, style.sizePx * PANGO_SCALE);
    pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(layout.get(), font);
    pango_font_description_free(font);

    if (style.letterSpacing != 0) {
        PangoAttrList* attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_letter_spacing_new(static_cast<int>(
                                               style.letterSpacing * PANGO_SCALE)));
        pango_layout_set_attributes(layout.get(), attributes);
        pango_attr_list_unref(attributes);
    }
    const PangoAlignment alignment = style.align == Align::Centre  ? PANGO_ALIGN_CENTER
                                     : style.align == Align::Right ? PANGO_ALIGN_RIGHT
                                                                   : PANGO_ALIGN_LEFT;
    pango_layout_set_alignment(layout.get(), alignment);
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    return layout;
}

TextExtent ExtentOf(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return {static_cast<double>(logical.width) / PANGO_SCALE,
            static_cast<double>(logical.height) / PANGO_SCALE};
}

} // namespace

TextExtent MeasureText(cairo_t* cr, const TextStyle& style, std::string_view text) {
    return ExtentOf(MakeLayout(cr, style, text).get());
}

void DrawText(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double y) {
    LayoutPtr layout = MakeLayout(cr, style, text);
    const TextExtent extent = ExtentOf(layout.get());
    double left = x;
    if (style.align == Align::Centre) {
        left = x - extent.width / 2;
    } else if (style.align == Align::Right) {
        left = x - extent.width;
    }
    cairo_save(cr);
    cairo_move_to(cr, left, y);
    if (style.outline > 0) {
        pango_cairo_layout_path(cr, layout.get());
        style.outlineColour.Use(cr);
        cairo_set_line_width(cr, style.outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_move_to(cr, left, y);
    }
    style.colour.Use(cr);
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
}

void DrawTextCentred(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double y,
                     double w, double h) {
    TextStyle centred = style;
    centred.align = Align::Centre;
    const TextExtent extent = MeasureText(cr, centred, text);
    DrawText(cr, centred, text, x + w / 2, y + (h - extent.height) / 2);
}

void DrawTextVertical(cairo_t* cr, const TextStyle& style, std::string_view text, double x,
                      double y, double lineHeight) {
    TextStyle centred = style;
    centred.align = Align::Centre;
    std::size_t i = 0;
    double top = y;
    while (i < text.size()) {
        // One UTF-8 character at a time.
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        DrawText(cr, centred, text.substr(i, length), x, top);
        top += lineHeight;
        i += length;
    }
}

} // namespace assetgen
