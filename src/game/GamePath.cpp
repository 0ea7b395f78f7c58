#include "game/GamePath.h"

#include "core/ProcessState.h"

namespace game {

std::string GamePath(std::string_view relative) {
    return exeDir + std::string(relative);
}

} // namespace game
