#pragma once

#include <functional>

#include "game/DistanceTable.h"
#include "game/LevelLoader.h"
#include "game/PersonalRecords.h"
#include "game/ProgressStore.h"
#include "game/RecordsStore.h"
#include "game/screens/WinReport.h"
#include "puzzle/Board.h"
#include "puzzle/Direction.h"
#include "puzzle/Solver.h"

namespace core {
class GameFolders;
}

namespace game {

// The rules of play around the board: takes what the player did, applies it to the board and
// answers through the callbacks below. It owns the board, the level files, the player's
// progress and records on disk, and the distance table of the level being played; a win is
// saved here (Rest.pa, records.dat) before it is answered, so no view writes a file.
//
// The answers come in the order a view shows them: a move first (onMoved), then the win it made
// (onWon). Nothing is answered for a press or key that changed nothing.
class Play {
public:
    // The folders must outlive the play.
    explicit Play(const core::GameFolders& folders);
    Play(const Play&) = delete;
    Play& operator=(const Play&) = delete;

    // Reads the player's progress, which makes the first level not cleared the current one,
    // then the personal records. Once, before the first level starts.
    void Restore();

    // Starts level n from its file; its distance table is worked out anew and the attempt is
    // not assisted.
    void StartLevel(int n);
    // The level after the current one; 0 when the current one is the last.
    int NextLevel() const;

    // A press at a board pixel: selects the piece under it, or else moves the selected piece one
    // cell toward it.
    void PressCell(int boardX, int boardY);
    // An arrow key: moves the selected piece one cell.
    void MoveKey(puzzle::Direction direction);
    // Tab or Shift+Tab: the next or previous piece in reading order.
    void SelectNext(bool backward);
    // Finds the next step of a shortest way to a win and answers it through onHint, while a level
    // is played, its table is ready and the position can be won. A hint answered makes the
    // attempt assisted.
    void Hint();

    // True once the level's table is ready; never blocks.
    bool DistancesReady();
    // The fewest steps from the board's position: DistanceTable::kUnknown while the table is not
    // ready, PositionGraph::kNoWay when no win can be reached.
    int Distance();
    // The fewest steps from the level's start, waiting for a table still being worked out;
    // WinReport::kUnknown when the start cannot be won.
    int FewestFromStart();
    // A hint was answered since the level started.
    bool Assisted() const { return assisted; }

    const puzzle::Board& GetBoard() const { return board; }
    const PersonalRecords& Records() const { return records.Records(); }

    // The selected piece moved to the cell (col, row).
    std::function<void(int piece, int col, int row)> onMoved;
    // A piece was selected, by a press on it or by Tab.
    std::function<void(int piece)> onSelected;
    // The move just answered won the level; the win is saved already.
    std::function<void(const WinReport&)> onWon;
    // The next step of a shortest way to a win.
    std::function<void(const puzzle::Solver::Step&)> onHint;

private:
    // Answers what a move did.
    void Answer(puzzle::MoveOutcome outcome);
    // Saves the win the last move made, then answers it.
    void Win();

    puzzle::Board board;
    LevelLoader levels;
    ProgressStore progress;
    RecordsStore records;
    DistanceTable table;
    bool assisted = false;
};

} // namespace game
