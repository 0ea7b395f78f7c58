#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "puzzle/Board.h"
#include "puzzle/LevelFile.h"

// A board playing a level given as a grid, with helpers for board pixels.
class BoardFixture : public ::testing::Test {
protected:
    // Starts `grid` as level 1 on a new board and returns the board.
    puzzle::Board& Play(const puzzle::LevelFile::Grid& grid) {
        levelGrid = grid;
        board = std::make_unique<puzzle::Board>();
        board->LoadLevel(1, levelGrid);
        return *board;
    }

    // Board pixel at the centre of a cell.
    static int CenterX(int col) { return col * 98 + 49; }
    static int CenterY(int row) { return row * 94 + 47; }

    puzzle::LevelFile::Grid levelGrid{};
    std::unique_ptr<puzzle::Board> board;
};
