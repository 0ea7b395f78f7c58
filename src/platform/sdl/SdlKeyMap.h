#pragma once

#include <cstdint>

namespace platform {

// The key code (DIK_*) of a desktop scancode, or 0 for keys the game has no code for. Keypad
// Enter reads as DIK_RETURN.
std::uint32_t DikFromScancode(int sdlScancode);

} // namespace platform
