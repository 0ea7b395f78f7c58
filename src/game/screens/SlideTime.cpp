#include "game/screens/SlideTime.h"

#include <algorithm>
#include <cstdlib>

#include "game/PlayerSettings.h"

namespace game {

std::uint32_t SlideTime::Read(const std::string& settingsPath) {
    if (!PlayerSettings(settingsPath).Slides()) {
        return 0;
    }
    const char* forced = std::getenv("TOVAK_SLIDE_MS");
    if (forced == nullptr || *forced == '\0') {
        return kDefaultMs;
    }
    const long ms = std::strtol(forced, nullptr, 10);
    return static_cast<std::uint32_t>(std::clamp<long>(ms, 0, kLongestMs));
}

} // namespace game
