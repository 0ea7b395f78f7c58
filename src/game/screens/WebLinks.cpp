#include "game/screens/WebLinks.h"

#include <cassert>

#include "platform/Settings.h"

namespace game {

void WebLinks::Read(const std::string& settingsPath) {
    for (int n = 1; n <= kCount; ++n) {
        addresses[n - 1] =
            platform::Settings::ReadString(settingsPath, "website", "web" + std::to_string(n), "1");
    }
}

const std::string& WebLinks::Address(int n) const {
    assert(n >= 1 && n <= kCount);
    return addresses[n - 1];
}

} // namespace game
