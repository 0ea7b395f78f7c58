#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "game/LevelLoader.h"
#include "game/ProgressStore.h"
#include "puzzle/Board.h"
#include "puzzle/LevelFile.h"

// A game folder of its own for each test, also the player's folder, with helpers to lay level
// files into it, and the board driven through the files the way the game drives it.
class BoardFilesFixture : public ::testing::Test {
protected:
    void WriteLevel(int n, const puzzle::LevelFile::Grid& grid) const {
        Dir().Write("Board/" + std::to_string(n) + ".dat", puzzle::LevelFile::Encode(grid));
    }

    // A board made now, as the game makes it: with the progress the folder holds.
    std::unique_ptr<puzzle::Board> NewBoard() const {
        auto board = std::make_unique<puzzle::Board>();
        progress.Restore(*board);
        return board;
    }
    // Level n from its file.
    void Start(puzzle::Board& board, int n) const { levels.Start(board, n); }
    // The board's win check, a win recorded in the progress file as the play does.
    int CheckWin(puzzle::Board& board) const {
        const int won = board.CheckWin();
        if (won == 1) {
            progress.RecordClear(board);
        }
        return won;
    }

    // Board pixel at the centre of a cell.
    static int CenterX(int col) { return col * 98 + 49; }
    static int CenterY(int row) { return row * 94 + 47; }

    const TempDir& Dir() const { return folder.Dir(); }

    TempGameFolder folder;
    game::LevelLoader levels{folder.Folders()};
    game::ProgressStore progress{folder.Folders()};
};
