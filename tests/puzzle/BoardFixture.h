#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "puzzle/Board.h"
#include "puzzle/LevelFile.h"

using namespace puzzle;

// A game folder of its own for each test, with helpers to lay level files into it.
class BoardFixture : public ::testing::Test {
protected:
    void WriteLevel(int n, const LevelFile::Grid& grid) const {
        exe.Dir().Write("Board/" + std::to_string(n) + ".dat", LevelFile::Encode(grid));
    }

    // A board created now, reading whatever the folder holds.
    std::unique_ptr<Board> NewBoard() const { return std::make_unique<Board>(); }

    // Board pixel at the centre of a cell.
    static int CenterX(int col) { return col * 98 + 49; }
    static int CenterY(int row) { return row * 94 + 47; }

    const TempDir& Dir() const { return exe.Dir(); }

    ScopedExeDir exe;
};
