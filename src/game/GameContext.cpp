#include "game/GameContext.h"

#include "platform/Platform.h"

namespace game {

GameContext::GameContext(platform::Platform& platform)
    : GameContext(platform, platform.ExecutablePath(),
                  core::GameFolders::ForExecutable(platform.ExecutablePath())) {}

GameContext::GameContext(platform::Platform& platform, std::string executable,
                         core::GameFolders folders)
    : platform(platform), executable(std::move(executable)), folders(std::move(folders)) {}

} // namespace game
