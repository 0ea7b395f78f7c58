#pragma once

#include <string>

#include "game/Layout.h"

namespace scene {
class Picture;
}
namespace widgets {
class Button;
class NumberDisplay;
} // namespace widgets

namespace game {

// The full path of a file in the game folder (`gameFolder` ends in a separator), from its path
// relative to that folder ('/' between folders). Every image the game loads goes through here.
std::string GamePath(const std::string& gameFolder, const std::string& relative);

// Loads an image from the game folder into a picture at its place in the layout. Returns what
// the picture's load returns.
int LoadPlaced(scene::Picture& picture, const ImagePlace& place, const std::string& gameFolder);
// The same for a button, whose strip always holds five frames.
int LoadPlaced(widgets::Button& button, const ImagePlace& place, const std::string& gameFolder);
// Places a counter on its area and loads the step digits into it, padded to four digits.
int LoadPlaced(widgets::NumberDisplay& counter, Area area, const std::string& gameFolder);

} // namespace game
