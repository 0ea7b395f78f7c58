#pragma once

#include <SDL_scancode.h>

#include <iterator>
#include <optional>

#include "platform/Key.h"

namespace platform {

namespace sdlkeys {

// Desktop scancodes run A..Z and 1..9, 0 in order.
inline constexpr Key kLetters[] = {Key::A, Key::B, Key::C, Key::D, Key::E, Key::F, Key::G,
                                   Key::H, Key::I, Key::J, Key::K, Key::L, Key::M, Key::N,
                                   Key::O, Key::P, Key::Q, Key::R, Key::S, Key::T, Key::U,
                                   Key::V, Key::W, Key::X, Key::Y, Key::Z};
inline constexpr Key kDigits[] = {Key::Digit1, Key::Digit2, Key::Digit3, Key::Digit4, Key::Digit5,
                                  Key::Digit6, Key::Digit7, Key::Digit8, Key::Digit9, Key::Digit0};
static_assert(std::size(kLetters) == SDL_SCANCODE_Z - SDL_SCANCODE_A + 1);
static_assert(std::size(kDigits) == SDL_SCANCODE_0 - SDL_SCANCODE_1 + 1);

} // namespace sdlkeys

// The key of a desktop scancode, or none for keys the buffer does not record. Keypad Enter reads
// as Enter.
constexpr std::optional<Key> KeyFromScancode(int sdlScancode) {
    if (sdlScancode >= SDL_SCANCODE_A && sdlScancode <= SDL_SCANCODE_Z) {
        return sdlkeys::kLetters[sdlScancode - SDL_SCANCODE_A];
    }
    if (sdlScancode >= SDL_SCANCODE_1 && sdlScancode <= SDL_SCANCODE_0) {
        return sdlkeys::kDigits[sdlScancode - SDL_SCANCODE_1];
    }
    switch (sdlScancode) {
    case SDL_SCANCODE_ESCAPE:
        return Key::Escape;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return Key::Enter;
    case SDL_SCANCODE_BACKSPACE:
        return Key::Backspace;
    case SDL_SCANCODE_TAB:
        return Key::Tab;
    case SDL_SCANCODE_SPACE:
        return Key::Space;
    case SDL_SCANCODE_UP:
        return Key::Up;
    case SDL_SCANCODE_LEFT:
        return Key::Left;
    case SDL_SCANCODE_RIGHT:
        return Key::Right;
    case SDL_SCANCODE_DOWN:
        return Key::Down;
    case SDL_SCANCODE_PAGEUP:
        return Key::PageUp;
    case SDL_SCANCODE_PAGEDOWN:
        return Key::PageDown;
    case SDL_SCANCODE_LSHIFT:
        return Key::LeftShift;
    case SDL_SCANCODE_RSHIFT:
        return Key::RightShift;
    default:
        return std::nullopt;
    }
}

} // namespace platform
