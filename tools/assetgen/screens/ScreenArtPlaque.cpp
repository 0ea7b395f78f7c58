#include "screens/ScreenArtPlaque.h"

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {

void PaintGuidePlaque(Canvas& canvas, std::uint32_t seed) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    // A soft shadow, the lacquered board, then its gilt edge.
    RoundedRectPath(cr, kPlaqueX + 2, kPlaqueY + 3, kPlaqueW, kPlaqueH, 5);
    theme::kInk.WithAlpha(0.45).Use(cr);
    cairo_fill(cr);
    RoundedRectPath(cr, kPlaqueX, kPlaqueY, kPlaqueW, kPlaqueH, 5);
    FillPathWith(canvas, LacquerShader(seed, 0.04));
    GoldFrame(cr, kPlaqueX, kPlaqueY, kPlaqueW, kPlaqueH, 5, 2);
    Seal(canvas, kPlaqueX + 6, kPlaqueY + 5, 21, "图", seed + 1);
    TextStyle chinese{kCalligraphy, 15, false, theme::kGoldLight};
    DrawText(cr, chinese, "关卡图谱", kPlaqueX + 34, kPlaqueY + 1);
    TextStyle english{kPlain, 10, false, theme::kParchment};
    DrawText(cr, english, "Level guide  ›", kPlaqueX + 34, kPlaqueY + 17);
    cairo_restore(cr);
}

} // namespace assetgen
