#include "platform/DesktopSession.h"

namespace platform {

const char* DesktopSession::VideoDrivers() {
    return "windows";
}

std::string DesktopSession::NoDesktopReason() {
    return "the Windows desktop could not be opened";
}

} // namespace platform
