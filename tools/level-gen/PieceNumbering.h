#pragma once

#include <array>

#include "puzzle/LevelFile.h"
#include "puzzle/PositionGraph.h"

using namespace puzzle;

// Gives the pieces of positions their numbers. Each shape has its own numbers, handed out in
// turn across levels, so that every portrait shows up early in the set and the pieces of one
// shape differ from level to level.
class PieceNumbering {
public:
    LevelFile::Grid Number(PositionGraph::Code code);

private:
    std::array<int, 4> nextOfShape{};
};
