#pragma once

#include <cstdint>

#include "core/Input.h"
#include "platform/Key.h"

namespace app {

// The one table from the platform's keys to the game's key codes (core/Input.h): a key's pressed
// code, and its pressed code while a Shift key is held. Keys not listed give the game nothing;
// the Shift keys only turn Tab into Shift+Tab.
struct KeyCode {
    platform::Key key;
    std::uint32_t pressed;
    std::uint32_t pressedWithShift;
};

inline constexpr KeyCode kKeyCodes[] = {
    {platform::Key::Left, core::kKeyLeftPressed, core::kKeyLeftPressed},
    {platform::Key::Right, core::kKeyRightPressed, core::kKeyRightPressed},
    {platform::Key::Up, core::kKeyUpPressed, core::kKeyUpPressed},
    {platform::Key::Down, core::kKeyDownPressed, core::kKeyDownPressed},
    {platform::Key::Escape, core::kKeyEscapePressed, core::kKeyEscapePressed},
    {platform::Key::Enter, core::kKeyEnterPressed, core::kKeyEnterPressed},
    {platform::Key::H, core::kKeyHintPressed, core::kKeyHintPressed},
    {platform::Key::Tab, core::kKeyTabPressed, core::kKeyShiftTabPressed},
    {platform::Key::PageUp, core::kKeyPageUpPressed, core::kKeyPageUpPressed},
    {platform::Key::PageDown, core::kKeyPageDownPressed, core::kKeyPageDownPressed},
};

// The game's code for a key change: the pressed code, or the released one (pressed + 1); 0 for a
// key the game does not react to.
constexpr std::uint32_t InputCodeOf(const platform::KeyChange& change) {
    for (const KeyCode& entry : kKeyCodes) {
        if (entry.key == change.key) {
            const std::uint32_t pressed = change.shiftHeld ? entry.pressedWithShift : entry.pressed;
            return change.pressed ? pressed : pressed + 1;
        }
    }
    return 0;
}

} // namespace app
