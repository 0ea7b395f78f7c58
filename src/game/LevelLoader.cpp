#include "game/LevelLoader.h"

#include "core/GameFolders.h"
#include "core/Trace.h"
#include "game/PlayerSettings.h"
#include "platform/FileSystem.h"
#include "puzzle/Board.h"

namespace game {

void LevelLoader::Start(puzzle::Board& board, int n) const {
    core::Trace("当前是第:   %d 关\n", n);
    if (n != board.startLevel) {
        PlayerSettings(folders.SettingsFile()).SetStartedLevel(n);
    }
    board.LoadLevel(n, Read(n));
}

std::optional<puzzle::LevelFile::Grid> LevelLoader::Read(int n) const {
    const std::string path = folders.GameFile("Board\\" + std::to_string(n) + ".dat");
    puzzle::LevelFile file;
    if (file.Read(platform::OpenFile(path, "rb").get()) != puzzle::LevelFile::Status::Ok) {
        return std::nullopt;
    }
    return file.GetGrid();
}

} // namespace game
