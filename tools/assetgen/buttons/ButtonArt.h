#pragma once

#include <string>
#include <vector>

#include "buttons/ButtonArtGlyph.h"
#include "buttons/ButtonArtPlate.h"

namespace assetgen {

// Every five-frame button strip outside the level list: which finish and words, or which sign,
// each one gets. PaintButtons (Painters.h) paints them all. Each path is the button's file in
// the game's layout.
class ButtonArt {
public:
    struct Labelled {
        std::string path;
        ButtonStyle style;
        const char* chinese;
        const char* english;
    };
    struct Signed {
        std::string path;
        Glyph glyph;
        ButtonStyle style;
    };

    static const std::vector<Labelled>& LabelledButtons();
    static const std::vector<Signed>& SignedButtons();
    static constexpr const char* kStartPath = "Graphic/Button/start.bmp";
};

} // namespace assetgen
