#pragma once

#include <string>

#include "puzzle/LevelFile.h"

namespace puzzle {

// Checks that a grid is a playable level: piece numbers only, each number once, exactly one
// piece 2, every piece inside the board, no overlaps, and not already won. Solvability is the
// solver's question.
class LevelValidator {
public:
    // Empty when the grid is a level; otherwise what is wrong, in words.
    static std::string Check(const LevelFile::Grid& grid);
};

} // namespace puzzle
