#pragma once

#include <optional>

#include "platform/Key.h"

namespace platform {

// The key of a desktop scancode, or none for keys the buffer does not record. Keypad Enter reads
// as Enter.
std::optional<Key> KeyFromScancode(int sdlScancode);

} // namespace platform
