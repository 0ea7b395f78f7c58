#include "game/ProgressStore.h"

#include <vector>

#include "core/GameFolders.h"
#include "core/Trace.h"
#include "game/PlayerSettings.h"
#include "platform/FileSystem.h"
#include "puzzle/Board.h"

namespace game {

namespace {

bool IsTrackedLevel(int value) {
    return value >= 1 && value <= puzzle::kLevelCount;
}

} // namespace

puzzle::ProgressFile::Status ProgressStore::Read(std::string_view path,
                                                 const puzzle::ProgressFile::Visitor& visit) {
    return puzzle::ProgressFile::Read(platform::OpenFile(path, "rb").get(), visit);
}

void ProgressStore::Restore(puzzle::Board& board) const {
    const int maxboard = PlayerSettings(folders.SettingsFile()).MaxLevel();
    puzzle::Board::ClearedTable cleared{};
    const std::string path = folders.ProgressFile();
    const puzzle::ProgressFile::Status status = Read(path, [&cleared](std::int32_t entry) {
        // Entries outside the table flag nothing.
        if (IsTrackedLevel(entry)) {
            cleared[static_cast<std::size_t>(entry)] = 1;
        }
        return true;
    });
    if (status == puzzle::ProgressFile::Status::Missing) {
        // Only a file that does not exist is created.
        platform::WriteFileAtomically(path, puzzle::ProgressFile::Encode({}));
    }
    board.RestoreProgress(cleared, maxboard);
}

void ProgressStore::RecordClear(const puzzle::Board& board) const {
    const int won = board.level;
    if (!IsTrackedLevel(won)) {
        return;
    }
    bool listed = false;
    const std::string path = folders.ProgressFile();
    const puzzle::ProgressFile::Status status = Read(path, [&](std::int32_t entry) {
        listed = entry == won;
        return !listed;
    });
    if (status != puzzle::ProgressFile::Status::Ok) {
        return;
    }
    if (listed) {
        core::Trace("已经过关了: %d  \n", won);
        return;
    }
    // The count written is the number of entries written, so it always matches the file.
    std::vector<std::int32_t> levels;
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        if (board.cleared[static_cast<std::size_t>(n)] != 0) {
            levels.push_back(n);
        }
    }
    platform::WriteFileAtomically(path, puzzle::ProgressFile::Encode(levels));
}

} // namespace game
