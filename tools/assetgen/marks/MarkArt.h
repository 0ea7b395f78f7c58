#pragma once

#include <string>

#include "Canvas.h"
#include "Colour.h"

namespace assetgen {

// The small pictures of the board and the settings: the step counter's digits, the passed and
// not-passed marks of the level list, its dotted row line and the slider knob. PaintMarks
// (Painters.h) paints them and the game icon.
class MarkArt {
public:
    static constexpr int kDigitWidth = 8;

    // Ten digits 0..9 side by side, gilt with a dark edge so they read on the dark wood.
    static void Digits(Canvas& strip);
    // A stamp in `ink` edged with `edge`, with a pale inner border and two characters right of
    // its middle; its left part is left for a sign.
    static void Stamp(Canvas& mark, const Colour& edge, const Colour& ink,
                      const std::string& words);
    // "已过" on a cinnabar stamp with a gilt tick.
    static void Passed(Canvas& mark);
    // "未过" on a muted paper slip.
    static void NotPassed(Canvas& mark);
    // A dotted leader line in dark gold.
    static void RowLine(Canvas& line);
    // A round knob: a bronze ring round a jade boss.
    static void Knob(Canvas& knob);
};

} // namespace assetgen
