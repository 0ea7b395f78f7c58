#include "platform/DesktopSession.h"

#include <cstdlib>

namespace platform {
namespace {

std::string DisplayVariable(const char* name) {
    const char* value = std::getenv(name);
    return std::string(name) + (value == nullptr || value[0] == '\0'
                                    ? " is not set"
                                    : " is \"" + std::string(value) + "\" but could not be opened");
}

} // namespace

const char* DesktopSession::VideoDrivers() {
    return "x11,wayland";
}

std::string DesktopSession::NoDesktopReason() {
    return "no X11 or Wayland display could be opened (" + DisplayVariable("DISPLAY") + "; " +
           DisplayVariable("WAYLAND_DISPLAY") + ")";
}

} // namespace platform
