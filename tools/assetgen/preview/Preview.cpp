#include <string>
#include <vector>

#include "Painters.h"
#include "marks/DesktopIcons.h"
#include "preview/PreviewContactSheet.h"
#include "preview/PreviewScreens.h"

using namespace puzzle;

namespace assetgen {

void WritePreviews(const ImageSet& images, const Levels& levels, OutputTree& preview) {
    const std::vector<std::string> sheets = ContactSheets(images);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string name =
            i == 0 ? "contact-sheet.png" : "contact-sheet-" + std::to_string(i + 1) + ".png";
        preview.Write(name, sheets[i]);
    }
    WriteScreenPreviews(images, levels, preview);
    // The scalable desktop icon's vector shapes, which the contact sheet's bitmaps do not show.
    preview.Write("desktop-icon-scalable.png", DesktopIcons::SvgPreview(256));
}

} // namespace assetgen
