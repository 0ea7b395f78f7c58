#pragma once

#include "Canvas.h"
#include "ImageSet.h"

namespace assetgen {

// The level list's record pictures: the small digits a cleared level's best and fewest steps
// are written with, the seal of a level won in the fewest steps, and the mark of a level
// cleared only with hints.
class RecordMarkArt {
public:
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 9;

    // Paints jlzi, jlyin and tsg in Graphic/UI.
    static void Paint(ImageSet& images);

    // Digits 0..9 and a slash, eleven cells of 5 x 9 side by side: pixel glyphs in ink with a
    // pale parchment edge on their right, crisp on the colour key.
    static void Digits(Canvas& strip);
    // A square cinnabar seal with "佳" carved out of it.
    static void Seal(Canvas& seal);
    // "助过" on a jade stamp with a gilt lamp where the passed mark has its tick.
    static void Assisted(Canvas& mark);
};

} // namespace assetgen
