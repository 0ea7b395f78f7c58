#pragma once

#include "game/Layout.h"

namespace scene {
class Picture;
}
namespace widgets {
class Button;
}

namespace game {

// Loads an image from the game folder into a picture at its place in the layout. Returns what
// the picture's load returns.
int LoadPlaced(scene::Picture& picture, const ImagePlace& place);
// The same for a button, whose strip always holds five frames.
int LoadPlaced(widgets::Button& button, const ImagePlace& place);

} // namespace game
