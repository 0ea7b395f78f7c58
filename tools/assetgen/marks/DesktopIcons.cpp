#include "marks/DesktopIcons.h"

#include <cairo-svg.h>

#include "formats/PngEncoder.h"
#include "marks/MarkArtIcon.h"

namespace assetgen {
namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

void DesktopIcons::Paint(ImageSet& images) {
    for (const int size : kDesktopIconSizes) {
        if (Canvas* canvas = images.Add(DesktopIconPath(size))) {
            MarkArtIcon::Paint(*canvas);
        }
    }
}

std::string DesktopIcons::Svg() {
    std::string svg;
    cairo_surface_t* surface =
        cairo_svg_surface_create_for_stream(Append, &svg, MarkArtIcon::kGrid, MarkArtIcon::kGrid);
    // Plain user units: the theme scales the document to whatever size it shows.
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_USER);
    cairo_t* cr = cairo_create(surface);
    MarkArtIcon::Draw(cr, MarkArtIcon::kGrid);
    cairo_destroy(cr);
    // The document is written out when the surface finishes.
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok ? svg : std::string();
}

std::string DesktopIcons::SvgPreview(int size) {
    const Canvas canvas(size, size);
    MarkArtIcon::Draw(canvas.Cr(), size);
    return formats::PngEncoder::Encode(size, size, canvas.Pixels());
}

} // namespace assetgen
