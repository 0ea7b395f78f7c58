#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "puzzle/Direction.h"
#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"

namespace puzzle {

enum class PlayState : std::int32_t { Idle = 0, Playing = 2, Finished = 4 };

// The whole state of one attempt: the grid of anchors, the piece records, the play state, the
// current level, the cleared-level table, the selection and the step counter. Coordinates taken
// by the operations are board pixels, (0, 0) at the board's top-left corner.
//
// Creating a Board reads "maxboard" from the settings file and the progress file beside the
// executable (exeDir), and picks the first level not yet cleared.
class Board {
public:
    Board();

    // Loads level n from its file. Level, steps, state and selection are reset even when the
    // file cannot be read; the grid and pieces are replaced only when it can.
    void LoadLevel(int n);
    void RestartLevel();

    // Selects and returns the piece strictly containing the point, or returns 0 and keeps the
    // selection.
    int PieceAt(int x, int y);
    // Moves the selected piece one cell toward the point; 1 if the board changed, else 0.
    int MoveToward(int x, int y);
    // Moves the selected piece one cell; 1 on success, 0 when blocked or off the board.
    int Move(Direction direction);
    bool CollidesWithOthers() const;
    // 1 if piece 2 stands on the goal: the level is recorded as cleared and play ends.
    int CheckWin();

    std::pair<int, int> PiecePosition(int number) const;

    void LoadProgress();
    void RecordClear();

    std::array<std::int8_t, kCellCount> grid{};
    PlayState state = PlayState::Idle;
    std::int32_t level = 1;
    std::int32_t maxLevel = 0;
    // Indexed by piece number 1..31; index 0 is unused.
    std::array<Piece, kMaxPieceNumber + 1> pieces{};
    // Indexed by level number 1..267; index 0 is unused.
    std::array<std::int32_t, kLevelCount + 1> cleared{};
    std::int8_t selected = 0;
    std::int32_t startLevel = 1;
    std::int32_t steps = 0;

private:
    bool HasSelection() const;
};

} // namespace puzzle
