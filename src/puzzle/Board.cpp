#include "puzzle/Board.h"

#include <optional>

namespace puzzle {

namespace {

bool IsPieceNumber(int value) {
    return value >= 1 && value <= kMaxPieceNumber;
}

bool IsTrackedLevel(int value) {
    return value >= 1 && value <= kLevelCount;
}

// The direction toward the target cell for a piece spanning `columns` x `rows` cells anchored at
// (col, row): along the piece's columns or rows, none when the cell is in line with neither or
// is level with the anchor.
std::optional<Direction> DirectionToward(int targetCol, int targetRow, int col, int row,
                                         int columns, int rows) {
    if (targetCol >= col && targetCol <= col + columns - 1) {
        if (targetRow > row) {
            return Direction::Down;
        }
        if (targetRow < row) {
            return Direction::Up;
        }
        return std::nullopt;
    }
    if (targetRow >= row && targetRow <= row + rows - 1) {
        return targetCol > col ? Direction::Right : Direction::Left;
    }
    return std::nullopt;
}

} // namespace

void Board::RestoreProgress(const ClearedTable& table, int maxboard) {
    cleared = table;
    maxLevel = maxboard;
    for (int n = 1; n <= kLevelCount; ++n) {
        if (cleared[n] == 0) {
            level = n;
            return;
        }
    }
}

void Board::LoadLevel(int n, const std::optional<LevelFile::Grid>& levelGrid) {
    level = n;
    steps = 0;
    state = PlayState::Playing;
    selected = 0;
    if (!levelGrid) {
        return;
    }
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kRows; ++row) {
            const int cell = CellIndex(col, row);
            grid[cell] = 0;
            // Bytes that are no piece number are skipped: no record outside 1..31 is written.
            const int number = (*levelGrid)[cell];
            if (!IsPieceNumber(number)) {
                continue;
            }
            grid[cell] = static_cast<std::int8_t>(number);
            pieces[number].SetType(number);
            pieces[number].col = col;
            pieces[number].row = row;
        }
    }
}

int Board::PieceAt(int x, int y) {
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kRows; ++row) {
            const int number = grid[CellIndex(col, row)];
            if (!IsPieceNumber(number)) {
                continue;
            }
            const Piece& piece = pieces[number];
            const int left = kCellWidth * piece.col;
            const int top = kCellHeight * piece.row;
            if (left < x && x < left + piece.width && top < y && y < top + piece.height) {
                selected = static_cast<std::int8_t>(number);
                return number;
            }
        }
    }
    return 0;
}

bool Board::HasSelection() const {
    return IsPieceNumber(selected);
}

MoveOutcome Board::MoveToward(int x, int y) {
    if (state != PlayState::Playing || x < 0 || y < 0 || !HasSelection()) {
        return MoveOutcome::Blocked;
    }
    const int targetCol = x / kCellWidth;
    const int targetRow = y / kCellHeight;
    if (targetCol >= kColumns || targetRow >= kRows) {
        return MoveOutcome::Blocked;
    }
    const Piece& piece = pieces[selected];
    std::optional<Direction> direction =
        DirectionToward(targetCol, targetRow, piece.col, piece.row, piece.Columns(), piece.Rows());
    if (piece.shape == Shape::Big) {
        // The big piece is steered by its anchor cell alone where that gives a direction.
        if (const auto asSmall =
                DirectionToward(targetCol, targetRow, piece.col, piece.row, 1, 1)) {
            direction = asSmall;
        }
    }
    // A press that gives no direction moves nothing and costs no step.
    if (!direction) {
        return MoveOutcome::Blocked;
    }
    return Move(*direction);
}

MoveOutcome Board::Move(Direction direction) {
    if (state != PlayState::Playing || !HasSelection()) {
        return MoveOutcome::Blocked;
    }
    Piece& piece = pieces[selected];
    const int oldCol = piece.col;
    const int oldRow = piece.row;
    const int newCol = oldCol + ColumnDelta(direction);
    const int newRow = oldRow + RowDelta(direction);
    // Also guards directions outside the four: they change nothing and are refused.
    if ((newCol == oldCol && newRow == oldRow) || newCol < 0 || newRow < 0 ||
        newCol + piece.Columns() > kColumns || newRow + piece.Rows() > kRows) {
        return MoveOutcome::Blocked;
    }
    piece.col = newCol;
    piece.row = newRow;
    if (CollidesWithOthers()) {
        piece.col = oldCol;
        piece.row = oldRow;
        return MoveOutcome::Blocked;
    }
    grid[CellIndex(newCol, newRow)] = selected;
    grid[CellIndex(oldCol, oldRow)] = 0;
    ++steps;
    return CheckWin() == 1 ? MoveOutcome::Won : MoveOutcome::Moved;
}

int Board::SelectNext(bool backward) {
    // The anchors in reading order: the grid holds each piece at its anchor cell alone.
    std::array<std::int8_t, kCellCount> order{};
    int count = 0;
    int current = -1;
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const std::int8_t number = grid[CellIndex(col, row)];
            if (!IsPieceNumber(number)) {
                continue;
            }
            if (number == selected) {
                current = count;
            }
            order[count++] = number;
        }
    }
    if (count == 0) {
        return 0;
    }
    int next = 0;
    if (current < 0) {
        next = backward ? count - 1 : 0;
    } else {
        next = (current + (backward ? count - 1 : 1)) % count;
    }
    selected = order[next];
    return selected;
}

bool Board::CollidesWithOthers() const {
    const Piece& moving = pieces[selected];
    for (const std::int8_t number : grid) {
        if (number != 0 && number != selected && IsPieceNumber(number) &&
            moving.Overlaps(pieces[number])) {
            return true;
        }
    }
    return false;
}

int Board::CheckWin() {
    const Piece& big = pieces[kBigPiece];
    if (big.col != kGoalColumn || big.row != kGoalRow) {
        return 0;
    }
    if (IsTrackedLevel(level)) {
        cleared[level] = 1;
    }
    state = PlayState::Finished;
    return 1;
}

std::pair<int, int> Board::PiecePosition(int number) const {
    if (!IsPieceNumber(number)) {
        return {0, 0};
    }
    return {pieces[number].col, pieces[number].row};
}

} // namespace puzzle
