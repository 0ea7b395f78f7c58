#pragma once

#include <string>

#include "core/GameFolders.h"

namespace platform {
class Platform;
}

namespace game {

// What main hands the game: the platform it runs on, the executable (for the install record)
// and the folders its files live in. It outlives the game.
class GameContext {
public:
    // The folders of the executable the platform reports.
    explicit GameContext(platform::Platform& platform);
    GameContext(platform::Platform& platform, std::string executable, core::GameFolders folders);

    platform::Platform& Platform() const { return platform; }
    const std::string& Executable() const { return executable; }
    const core::GameFolders& Folders() const { return folders; }

private:
    platform::Platform& platform;
    std::string executable;
    core::GameFolders folders;
};

} // namespace game
