#pragma once

#include <string>

namespace platform {

// The desktop the game's window opens on, as each operating system has it.
class DesktopSession {
public:
    // SDL's video drivers that show a window on this system's desktop, in SDL's hint form:
    // "x11,wayland" on Linux (left to itself SDL falls back to drivers that show nothing),
    // "windows" on Windows.
    static const char* VideoDrivers();
    // Why no desktop could be opened, for the player: on Linux from the variables that name the
    // displays.
    static std::string NoDesktopReason();
};

} // namespace platform
