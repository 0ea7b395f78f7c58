#include "game/screens/WebLinks.h"

#include <cassert>

#include "game/PlayerSettings.h"

namespace game {

void WebLinks::Read(const std::string& settingsPath) {
    const PlayerSettings settings(settingsPath);
    for (int n = 1; n <= kCount; ++n) {
        addresses[n - 1] = settings.WebAddress(n);
    }
}

const std::string& WebLinks::Address(int n) const {
    assert(n >= 1 && n <= kCount);
    return addresses[n - 1];
}

} // namespace game
