#pragma once

#include <string>

#include "ImageSet.h"

namespace assetgen {

// The game icon for the desktop's icon theme: the seal of the window icon drawn at every size of
// kDesktopIconSizes, and the same shapes as a scalable SVG.
class DesktopIcons {
public:
    // Draws each size into `images` at its DesktopIconPath.
    static void Paint(ImageSet& images);
    // The scalable icon, an SVG document of MarkArtIcon::kGrid units square.
    static std::string Svg();
    // A PNG of the SVG's shapes drawn at `size` pixels, for the previews.
    static std::string SvgPreview(int size);
};

} // namespace assetgen
