#pragma once

#include "game/PlacedImage.h"

namespace widgets {
class WindowFrame;
}

namespace game {

// Loads the title-bar parts every screen's frame shows: the bar, the icon and the minimise,
// full-screen and close buttons, which the frame places itself.
void LoadTitleBar(widgets::WindowFrame& frame, const ImageSource& images);

} // namespace game
