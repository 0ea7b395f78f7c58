#pragma once

#include <optional>
#include <string>

#include "puzzle/LevelFile.h"

namespace core {
class GameFolders;
}
namespace puzzle {
class Board;
}

namespace game {

// Starts levels on the board from the level files of the game folder ("Board\<n>.dat"), and
// remembers in the player's set.ini ("nboard") the last level started other than the first.
class LevelLoader {
public:
    explicit LevelLoader(const core::GameFolders& folders) : folders(folders) {}

    // Level n on the board: its grid when the file can be read, else the grid it had.
    void Start(puzzle::Board& board, int n) const;
    // The grid of level n; none when its file cannot be opened or is no level file.
    std::optional<puzzle::LevelFile::Grid> Read(int n) const;

private:
    const core::GameFolders& folders;
};

} // namespace game
