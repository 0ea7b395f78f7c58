#include "platform/Platform.h"

#include "platform/FileSystem.h"

namespace platform {

std::string Platform::ExecutablePath() const {
    return platform::ExecutablePath();
}

} // namespace platform
