#pragma once

#include <string>

#include "game/Layout.h"

namespace gfx {
class Display;
}
namespace scene {
class Picture;
}
namespace widgets {
class Button;
}

namespace game {

// The full path of a file in the game folder (`gameFolder` ends in a separator), from its path
// relative to that folder ('/' between folders). Every image the game loads goes through here.
std::string GamePath(const std::string& gameFolder, const std::string& relative);

// Where the screens' images come from: the game folder, loaded for the display of the moment.
// Made for each load after a display set-up; both must outlive it.
struct ImageSource {
    gfx::Display& display;
    const std::string& gameFolder;
};

// Loads an image from the game folder into a picture at its place in the layout. Returns what
// the picture's load returns.
int LoadPlaced(scene::Picture& picture, const ImagePlace& place, const ImageSource& images);
// The same for a button, whose strip always holds five frames.
int LoadPlaced(widgets::Button& button, const ImagePlace& place, const ImageSource& images);

} // namespace game
