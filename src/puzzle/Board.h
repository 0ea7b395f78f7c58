#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "puzzle/Direction.h"
#include "puzzle/Geometry.h"
#include "puzzle/LevelFile.h"
#include "puzzle/Piece.h"

namespace puzzle {

enum class PlayState : std::int32_t { Idle = 0, Playing = 2, Finished = 4 };

// What a move did: nothing (blocked, off the board, no selection or not in play), moved the
// selected piece one cell, or moved it and so put the big piece on the goal.
enum class MoveOutcome { Moved, Blocked, Won };

// The whole state of one attempt: the grid of anchors, the piece records, the play state, the
// current level, the cleared-level table, the selection and the step counter. Coordinates taken
// by the operations are board pixels, (0, 0) at the board's top-left corner.
//
// The board opens no file: it is given a level's grid and the cleared-level table, and reports
// a win; the game reads and writes the files.
class Board {
public:
    // Indexed by level number 1..267; index 0 is unused. Non-zero marks a cleared level.
    using ClearedTable = std::array<std::int32_t, kLevelCount + 1>;

    // Takes the cleared levels and the "maxboard" setting, and makes the first level not
    // cleared the current one (it stays when every level is cleared).
    void RestoreProgress(const ClearedTable& table, int maxboard);

    // Starts level n on `levelGrid`. Level, steps, state and selection are reset even without a
    // grid (its file could not be read); the grid and pieces are replaced only with one.
    void LoadLevel(int n, const std::optional<LevelFile::Grid>& levelGrid);

    // Selects and returns the piece strictly containing the point, or returns 0 and keeps the
    // selection.
    int PieceAt(int x, int y);
    // Moves the selected piece one cell toward the point, as Move does; Blocked when the point
    // gives no direction.
    MoveOutcome MoveToward(int x, int y);
    // Moves the selected piece one cell and counts the step; Blocked when blocked, off the board
    // or not in play. A move after which CheckWin finds the level won is Won: the level is then
    // cleared and play has ended.
    MoveOutcome Move(Direction direction);
    // Selects the piece after the selected one in reading order (by anchor: row, then column),
    // or the one before it when `backward`, wrapping at either end; with no selection, the first
    // or the last piece. Returns the piece selected, 0 when the board holds none.
    int SelectNext(bool backward);
    bool CollidesWithOthers() const;
    // 1 if piece 2 stands on the goal: the level is marked cleared and play ends.
    int CheckWin();

    std::pair<int, int> PiecePosition(int number) const;

    std::array<std::int8_t, kCellCount> grid{};
    PlayState state = PlayState::Idle;
    std::int32_t level = 1;
    std::int32_t maxLevel = 0;
    // Indexed by piece number 1..31; index 0 is unused.
    std::array<Piece, kMaxPieceNumber + 1> pieces{};
    ClearedTable cleared{};
    std::int8_t selected = 0;
    std::int32_t startLevel = 1;
    std::int32_t steps = 0;

private:
    bool HasSelection() const;
};

} // namespace puzzle
