#include "buttons/ButtonArtFace.h"

#include <algorithm>
#include <cstdint>

#include "Text.h"
#include "Theme.h"
#include "buttons/ButtonArtLabel.h"

namespace assetgen {
namespace {

// Below this frame height the English word is left out.
constexpr int kTwoLineHeight = 30;

} // namespace

ButtonArtFace::ButtonArtFace(ButtonStyle style, const char* chinese, const char* english)
    : style(style), chinese(chinese), english(english) {}

void ButtonArtFace::operator()(cairo_t* cr, int width, int height) const {
    const ArtRect plate{0, 0, static_cast<double>(width), static_cast<double>(height)};
    const double rim = height >= 40 ? 2.5 : 2;
    // The grain follows the finish, not the words: buttons of one finish share their lacquer.
    ButtonArtPlate::Paint(cr, style, plate, 6, rim, static_cast<std::uint32_t>(style) + 1);

    if (*chinese == '\0') {
        return;
    }
    const bool twoLines = english != nullptr && height >= kTwoLineHeight;
    const double room = width - 2 * (rim + 8);
    TextStyle main;
    main.family = kCalligraphy;
    main.sizePx = std::min(26.0, height * (twoLines ? 0.46 : 0.6));
    main.colour = ButtonArtPlate::LabelColour(style);
    main.outline = 1.4;
    main.outlineColour = theme::kInk.WithAlpha(0.85);
    main.letterSpacing = 2;
    main = ButtonArtLabel::Fit(cr, main, chinese, room, 13);
    ButtonArtLabel::DrawAt(cr, main, chinese, width / 2.0, height * (twoLines ? 0.39 : 0.5));
    if (!twoLines) {
        return;
    }
    TextStyle small;
    small.family = kPlain;
    small.sizePx = 10.5;
    small.colour = ButtonArtPlate::SubLabelColour(style);
    small.letterSpacing = 0.6;
    small = ButtonArtLabel::Fit(cr, small, english, room, 9);
    // Clear of the bottom rim, descenders included.
    ButtonArtLabel::DrawAt(cr, small, english, width / 2.0, height - 10.0);
}

} // namespace assetgen
