#include "game/Play.h"

#include <cstddef>
#include <optional>

#include "core/GameFolders.h"
#include "core/Trace.h"
#include "game/screens/Report.h"
#include "puzzle/Geometry.h"
#include "puzzle/PositionGraph.h"
#include "puzzle/RouteHint.h"

namespace game {

Play::Play(const core::GameFolders& folders)
    : levels(folders), progress(folders), records(folders.RecordsFile()) {}

void Play::Restore() {
    progress.Restore(board);
    records.Load();
}

void Play::StartLevel(int n) {
    levels.Start(board, n);
    assisted = false;
    table.Compute(board.grid);
}

int Play::NextLevel() const {
    return board.level < puzzle::kLevelCount ? board.level + 1 : 0;
}

void Play::PressCell(int boardX, int boardY) {
    if (const int number = board.PieceAt(boardX, boardY); number != 0) {
        Report(onSelected, number);
        return;
    }
    if (board.selected != 0) {
        Answer(board.MoveToward(boardX, boardY));
    }
}

void Play::MoveKey(puzzle::Direction direction) {
    Answer(board.Move(direction));
}

void Play::SelectNext(bool backward) {
    if (const int number = board.SelectNext(backward); number != 0) {
        Report(onSelected, number);
    }
}

void Play::Answer(puzzle::MoveOutcome outcome) {
    if (outcome == puzzle::MoveOutcome::Blocked) {
        return;
    }
    const int number = board.selected;
    const puzzle::Piece& piece = board.pieces[static_cast<std::size_t>(number)];
    Report(onMoved, number, piece.col, piece.row);
    if (outcome == puzzle::MoveOutcome::Won) {
        Win();
    }
}

// A level picked from the list and won again is a win of its own: saved and answered like any
// other.
void Play::Win() {
    progress.RecordClear(board);
    core::Trace("当前是第%d 关\n", board.level);
    const WinReport report{board.level, board.steps, FewestFromStart(), assisted};
    records.Record(report);
    Report<const WinReport&>(onWon, report);
}

void Play::Hint() {
    if (board.state != puzzle::PlayState::Playing) {
        return;
    }
    const puzzle::PositionGraph* graph = table.Poll() ? table.Graph() : nullptr;
    if (graph == nullptr) {
        return;
    }
    const std::optional<puzzle::Solver::Step> step = puzzle::RouteHint::Next(*graph, board.grid);
    if (!step) {
        return;
    }
    assisted = true;
    Report<const puzzle::Solver::Step&>(onHint, *step);
}

bool Play::DistancesReady() {
    return table.Poll();
}

int Play::Distance() {
    table.Poll();
    return table.DistanceOf(board.grid);
}

int Play::FewestFromStart() {
    table.Wait();
    const int fewest = table.FromStart();
    return fewest >= 0 ? fewest : WinReport::kUnknown;
}

} // namespace game
