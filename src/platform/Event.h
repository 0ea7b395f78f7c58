#pragma once

#include <cstdint>

namespace platform {

// What happened to the game's window, or what the game asks of it.
enum class EventKind : std::uint8_t {
    Quit,          // ends the main loop with quitCode
    Close,         // the window is asked to close
    Moved,         // the window moved on the desktop
    Minimized,     // the window went to the task bar
    Restored,      // the window is shown again
    Activated,     // the window took the keyboard focus
    Deactivated,   // the window lost the keyboard focus
    Paint,         // the window's contents were damaged
    SetCursor,     // the pointer asks for the window's cursor
    Char,          // a typed character
    Command,       // a command of the game's window
    PollKeyboard,  // the keyboard poll timer ticked
    Mouse,         // the pointer moved or a button changed
    PlaybackEnded, // a music player reached the end of its track
    TimerFired,    // a named timer of the game fired (timerId)
};

enum class MouseAction : std::uint8_t { Move, LeftDown, LeftUp, RightDown, RightUp };

// Commands of the game's window. The numbers are the ids of the window's command table.
enum class CommandId : std::uint32_t {
    ToggleFullScreen = 1002, // Alt+Enter and the title bar's button
    FullScreen = 1003,
    Windowed = 1004,
    ZoomIn = 1005,    // Ctrl+Plus: the window one zoom step larger
    ZoomOut = 1006,   // Ctrl+Minus: one step smaller
    ZoomReset = 1007, // Ctrl+0: back to the frame's own size
};

// One event of the window's queue: its kind and the fields that kind uses; the others keep
// their defaults, so two events of the same meaning compare equal.
struct Event {
    EventKind kind = EventKind::Paint;
    MouseAction mouse = MouseAction::Move;
    // Mouse: window coordinates; negative or past the edge while the pointer is outside.
    int x = 0;
    int y = 0;
    // Char: one byte of GBK text, or a control code (8 Backspace, 13 Enter, 27 Escape).
    std::uint8_t character = 0;
    CommandId command = CommandId::ToggleFullScreen;
    std::uint32_t timerId = 0;
    int quitCode = 0;

    // An event that carries nothing but its kind.
    static constexpr Event Of(EventKind kind) { return {kind}; }
    static constexpr Event Mouse(MouseAction action, int x, int y) {
        Event event = Of(EventKind::Mouse);
        event.mouse = action;
        event.x = x;
        event.y = y;
        return event;
    }
    static constexpr Event Char(std::uint8_t character) {
        Event event = Of(EventKind::Char);
        event.character = character;
        return event;
    }
    static constexpr Event Command(CommandId id) {
        Event event = Of(EventKind::Command);
        event.command = id;
        return event;
    }
    static constexpr Event TimerFired(std::uint32_t id) {
        Event event = Of(EventKind::TimerFired);
        event.timerId = id;
        return event;
    }
    static constexpr Event Quit(int code) {
        Event event = Of(EventKind::Quit);
        event.quitCode = code;
        return event;
    }

    friend bool operator==(const Event&, const Event&) = default;
};

} // namespace platform
