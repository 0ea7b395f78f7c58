#pragma once

#include <string>
#include <string_view>

namespace game {

// The full path of a file in the game folder, from its path relative to that folder ('/'
// between folders). Every image the game loads goes through here.
std::string GamePath(std::string_view relative);

} // namespace game
