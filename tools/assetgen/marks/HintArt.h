#pragma once

#include "Canvas.h"

namespace assetgen {

// The pictures of the way to the fewest steps: the label and ink well of the fewest-steps
// counter, and the hint's arrow. PaintHints (Painters.h) paints them.
class HintArt {
public:
    // "最少 FEWEST" in the step counter's gilt lettering, and left of it, at the same x as the
    // step counter's well, a smaller well for the digits.
    static void FewestLabel(Canvas& label);
    // Four square frames, one arrow each pointing left, up, right and down: a cinnabar arrow
    // edged in gilt with a soft golden glow, to read on any card and on the bare board.
    static void Arrows(Canvas& strip);
    // A cinnabar ring edged in gilt, open in the middle so the portrait shows through: the
    // hinted piece's mark, unlike the selection frame's glow around the whole piece.
    static void Mark(Canvas& mark);
};

} // namespace assetgen
