#pragma once

#include <cstdint>

namespace core {

// One pointer or key event for the game's input handler: what happened, and where the pointer
// was at the time (key events carry the last known position).
struct Input {
    std::uint32_t code;
    std::uint32_t x;
    std::uint32_t y;
};

constexpr std::uint32_t kMouseMove = 0x7FFF;
constexpr std::uint32_t kMouseLeftDown = 0x1FFF;
constexpr std::uint32_t kMouseLeftUp = 0x2FFF;
constexpr std::uint32_t kMouseRightDown = 0x3FFF;
constexpr std::uint32_t kMouseRightUp = 0x4FFF;

// Each key's released code is its pressed code + 1.
constexpr std::uint32_t kKeyLeftPressed = 0xFF01;
constexpr std::uint32_t kKeyLeftReleased = 0xFF02;
constexpr std::uint32_t kKeyRightPressed = 0xFF03;
constexpr std::uint32_t kKeyRightReleased = 0xFF04;
constexpr std::uint32_t kKeyUpPressed = 0xFF05;
constexpr std::uint32_t kKeyUpReleased = 0xFF06;
constexpr std::uint32_t kKeyDownPressed = 0xFF07;
constexpr std::uint32_t kKeyDownReleased = 0xFF08;
constexpr std::uint32_t kKeyEscapePressed = 0xFF09;
constexpr std::uint32_t kKeyEscapeReleased = 0xFF0A;
constexpr std::uint32_t kKeyEnterPressed = 0xFF11;
constexpr std::uint32_t kKeyEnterReleased = 0xFF12;
// H asks for a hint on the board.
constexpr std::uint32_t kKeyHintPressed = 0xFF21;
constexpr std::uint32_t kKeyHintReleased = 0xFF22;
// Tab with a Shift key held gives the Shift+Tab codes instead of Tab's.
constexpr std::uint32_t kKeyTabPressed = 0xFF31;
constexpr std::uint32_t kKeyTabReleased = 0xFF32;
constexpr std::uint32_t kKeyShiftTabPressed = 0xFF33;
constexpr std::uint32_t kKeyShiftTabReleased = 0xFF34;
constexpr std::uint32_t kKeyPageUpPressed = 0xFF35;
constexpr std::uint32_t kKeyPageUpReleased = 0xFF36;
constexpr std::uint32_t kKeyPageDownPressed = 0xFF37;
constexpr std::uint32_t kKeyPageDownReleased = 0xFF38;

// Whether a code is a key's pressed code (every pressed code is odd, its release the even one
// after it).
constexpr bool IsKeyPress(std::uint32_t code) {
    return (code & 0xFF00) == 0xFF00 && (code & 1) != 0;
}

// Hands a left press, a left release or a move, with the event's position, to its handler and
// returns what the handler returns; any other code reaches none and gives a default result.
template <class Press, class Release, class Move>
auto RouteMouse(const Input& event, Press&& press, Release&& release, Move&& move) {
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.code) {
    case kMouseLeftDown:
        return press(x, y);
    case kMouseLeftUp:
        return release(x, y);
    case kMouseMove:
        return move(x, y);
    default:
        return decltype(press(x, y))();
    }
}

} // namespace core
