#pragma once

#include <string>

namespace platform {
class Registry;
}

namespace core {

// Records the game's installation under `installKey` of the current user's registry store the
// first time the game starts: GamePath, Version, GameID and GameIcon. A key that already exists
// is left as it is. Every failure is silent.
void RegisterInstall(platform::Registry& store, const std::string& installKey,
                     const std::string& gamePath, const std::string& version,
                     const std::string& gameId, const std::string& gameIcon);

} // namespace core
