#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "puzzle/Geometry.h"
#include "puzzle/LevelFile.h"

namespace puzzle {

// The level set as reviewable text. Lines starting with '#' and blank lines between levels are
// comments. Each level is a line "level NUMBER steps STEPS name NAME" followed by five rows of
// the board, top to bottom, of four cells each separated by spaces:
//   A..Z, a..e  the anchor (top-left cell) of piece 1..26, 27..31
//   .           an empty cell
//   -           a cell of the piece to its left
//   |           a cell of the piece above it
//   +           the lower right cell of the 2x2 block
// Levels are numbered 1, 2, 3, ... in order; names are UTF-8, distinct, of at most four
// characters that GBK can encode.
class LevelSetFile {
public:
    struct Level {
        int number = 0;
        std::string name;
        // The least number of single-cell steps that win the level, as the file states it.
        int steps = 0;
        LevelFile::Grid grid{};
    };

    struct Result {
        std::vector<Level> levels;
        // Empty when the text was read; otherwise "line N: what is wrong".
        std::string error;

        bool Ok() const { return error.empty(); }
    };

    static constexpr int kMaxNameCharacters = 4;
    static constexpr int kMaxSteps = 9999;

    static Result Parse(std::string_view text);
    // Reads and parses a file; a file that cannot be read is an error too.
    static Result Load(const std::string& path);
    // The text of a set: a header comment telling the format, then every level.
    static std::string Format(const std::vector<Level>& levels);

    // The picture of a grid: five rows of four cells, as in the file.
    static std::array<std::string, kRows> Picture(const LevelFile::Grid& grid);
    // The letter of piece number 1..31, and the piece number of a letter (0 when it is none).
    static char LetterOf(int number);
    static int NumberOf(char letter);
    // Why a name is unfit (invalid UTF-8, empty, too long, not encodable in GBK), or empty.
    static std::string CheckName(std::string_view utf8);
};

} // namespace puzzle
