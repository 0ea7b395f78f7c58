#pragma once

#include <cstdint>

namespace platform {

// The keys the keyboard buffer records: the game's keys (arrows, Escape, Enter, H, Tab, the
// page keys and the Shift keys that turn Tab around) and the keys that type a name (letters,
// digits, Space, Backspace). Every one of them takes a place in the buffer, whether the game
// reacts to it or not. The underlying type is wide enough for any record count, so the buffer
// treats a key as an opaque value.
enum class Key : std::uint16_t {
    Escape,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Digit0,
    Backspace,
    Tab,
    Q,
    W,
    E,
    R,
    T,
    Y,
    U,
    I,
    O,
    P,
    Enter,
    A,
    S,
    D,
    F,
    G,
    H,
    J,
    K,
    L,
    LeftShift,
    Z,
    X,
    C,
    V,
    B,
    N,
    M,
    RightShift,
    Space,
    Up,
    PageUp,
    Left,
    Right,
    Down,
    PageDown,
};

// One key going down or up as the game reads it, with whether a Shift key was held then.
struct KeyChange {
    Key key = Key::Escape;
    bool pressed = false;
    bool shiftHeld = false;

    friend bool operator==(const KeyChange&, const KeyChange&) = default;
};

} // namespace platform
