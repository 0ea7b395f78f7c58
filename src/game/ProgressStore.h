#pragma once

#include <string_view>

#include "puzzle/ProgressFile.h"

namespace core {
class GameFolders;
}
namespace puzzle {
class Board;
}

namespace game {

// The player's progress on disk: the cleared levels in Rest.pa and "maxboard" in set.ini, both
// in the player's folder. A file that exists but cannot be read is never replaced: it may still
// hold the player's progress.
class ProgressStore {
public:
    explicit ProgressStore(const core::GameFolders& folders) : folders(folders) {}

    // Gives the board the cleared levels and "maxboard" (1 when absent), which makes the first
    // level not cleared the current one. A missing Rest.pa is created empty.
    void Restore(puzzle::Board& board) const;
    // After a win of a tracked level: rewrites Rest.pa with every level the board has cleared,
    // unless the file already lists the level or cannot be read.
    void RecordClear(const puzzle::Board& board) const;

    // Visits the entries of the progress file at `path`.
    static puzzle::ProgressFile::Status Read(std::string_view path,
                                             const puzzle::ProgressFile::Visitor& visit);

private:
    const core::GameFolders& folders;
};

} // namespace game
