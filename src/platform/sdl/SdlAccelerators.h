#pragma once

#include <optional>

#include "platform/Event.h"

namespace platform {

// The window's command a desktop key press stands for, or none: Alt+Enter switches full screen;
// Ctrl with Plus (or =, which shares its key), Minus or 0, on the main keys or the keypad, sets
// the zoom. Keys of commands never reach the game's keyboard.
std::optional<CommandId> AcceleratorCommand(int sdlKeycode, int sdlModifiers);

} // namespace platform
