#include "level-set/LevelSetFile.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "platform/FileSystem.h"
#include "platform/GbkText.h"
#include "puzzle/LevelValidator.h"
#include "puzzle/Piece.h"

namespace puzzle {

namespace {

constexpr std::size_t kMaxFileBytes = 4 << 20;
constexpr int kLetterCount = 26;

constexpr const char* kHeader =
    "# The game's levels, easiest first. tools/level-gen writes this file; the build turns it\n"
    "# into Board/1.dat .. Board/N.dat.\n"
    "#\n"
    "# Each level is a line \"level NUMBER steps STEPS name NAME\", where STEPS is the least\n"
    "# number of single-cell steps that win it and NAME its name (UTF-8, at most four\n"
    "# characters), then five rows of the board, top to bottom, of four cells each:\n"
    "#   A..Z, a..e  the anchor (top-left cell) of piece 1..26, 27..31\n"
    "#               B the 2x2 block; C E I J L N R lying 2x1 blocks;\n"
    "#               D F G H K M O P Q upright 1x2 blocks; A, S..Z and a..e 1x1 soldiers\n"
    "#   .           an empty cell\n"
    "#   -           a cell of the piece to its left\n"
    "#   |           a cell of the piece above it\n"
    "#   +           the lower right cell of the 2x2 block\n";

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

bool ParseNumber(std::string_view word, int maximum, int& value) {
    const char* end = word.data() + word.size();
    const auto [rest, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && rest == end && value >= 0 && value <= maximum;
}

// The code points of UTF-8 text; false for invalid or overlong sequences.
bool DecodeUtf8(std::string_view text, std::u32string& codePoints) {
    codePoints.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + length > text.size()) {
            return false;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            point = (point << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) {
            return false;
        }
        codePoints.push_back(point);
        i += length;
    }
    return true;
}

// The marker a covered cell shows, given the anchor of the piece covering it.
char MarkerFor(int col, int row, int anchorCol, int anchorRow) {
    if (row == anchorRow) {
        return '-';
    }
    return col == anchorCol ? '|' : '+';
}

} // namespace

namespace {

// Reads "level NUMBER steps STEPS name NAME" into `level`; the error, or empty.
std::string ReadHeader(std::string_view line, int expectedNumber, LevelSetFile::Level& level) {
    const std::vector<std::string_view> words = Words(line);
    if (words.size() != 6 || words[0] != "level" || words[2] != "steps" || words[4] != "name") {
        return "expected \"level NUMBER steps STEPS name NAME\"";
    }
    level = LevelSetFile::Level();
    if (!ParseNumber(words[1], 1 << 20, level.number) || level.number != expectedNumber) {
        return "expected level number " + std::to_string(expectedNumber);
    }
    if (!ParseNumber(words[3], LevelSetFile::kMaxSteps, level.steps)) {
        return "steps must be a number from 0 to " + std::to_string(LevelSetFile::kMaxSteps);
    }
    level.name = words[5];
    if (const std::string error = LevelSetFile::CheckName(level.name); !error.empty()) {
        return "name " + level.name + ": " + error;
    }
    return {};
}

// Reads one picture row: anchors go into the grid, every cell's character into `cells`.
std::string ReadRow(std::string_view line, int row, LevelFile::Grid& grid,
                    std::array<char, kCellCount>& cells) {
    const std::vector<std::string_view> words = Words(line);
    bool cellsOk = words.size() == kColumns;
    for (std::size_t col = 0; cellsOk && col < words.size(); ++col) {
        cellsOk = words[col].size() == 1;
    }
    if (!cellsOk) {
        return "row " + std::to_string(row + 1) + " must be four cells separated by spaces";
    }
    for (int col = 0; col < kColumns; ++col) {
        const char cell = words[col][0];
        const int number = LevelSetFile::NumberOf(cell);
        if (number == 0 && cell != '.' && cell != '-' && cell != '|' && cell != '+') {
            return std::string("'") + cell + "' is no cell";
        }
        cells[CellIndex(col, row)] = cell;
        grid[CellIndex(col, row)] = static_cast<std::int8_t>(number);
    }
    return {};
}

// Checks a complete level: a playable grid whose picture is the one that was read.
std::string CheckLevel(const LevelSetFile::Level& level,
                       const std::array<char, kCellCount>& cells) {
    if (const std::string error = LevelValidator::Check(level.grid); !error.empty()) {
        return error;
    }
    const std::array<std::string, kRows> picture = LevelSetFile::Picture(level.grid);
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const char expected = picture[row][2 * col];
            if (cells[CellIndex(col, row)] != expected) {
                return "row " + std::to_string(row + 1) + " column " + std::to_string(col + 1) +
                       " shows '" + cells[CellIndex(col, row)] + "' where the pieces give '" +
                       expected + "'";
            }
        }
    }
    return {};
}

LevelSetFile::Result Failure(int line, const std::string& error) {
    LevelSetFile::Result result;
    result.error = "line " + std::to_string(line) + ": " + error;
    return result;
}

} // namespace

LevelSetFile::Result LevelSetFile::Parse(std::string_view text) {
    // A byte order mark that an editor may have put first.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    Result result;
    std::map<std::string, int> levelOfName;
    Level level;
    std::array<char, kCellCount> cells{};
    int rowsRead = -1; // -1 between levels, else the rows read of the open level
    int lineNumber = 0;
    int headerLine = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        std::string error;
        if (rowsRead < 0) {
            if (Words(line).empty() || line.front() == '#') {
                continue;
            }
            error = ReadHeader(line, static_cast<int>(result.levels.size()) + 1, level);
            const auto [other, isNew] = levelOfName.emplace(level.name, level.number);
            if (error.empty() && !isNew) {
                error = "name " + level.name + " is also level " + std::to_string(other->second);
            }
            headerLine = lineNumber;
            rowsRead = 0;
        } else {
            error = ReadRow(line, rowsRead, level.grid, cells);
            if (error.empty() && ++rowsRead == kRows) {
                error = CheckLevel(level, cells);
                if (!error.empty()) {
                    return Failure(headerLine,
                                   "level " + std::to_string(level.number) + ": " + error);
                }
                result.levels.push_back(level);
                rowsRead = -1;
            }
        }
        if (!error.empty()) {
            return Failure(lineNumber, error);
        }
    }
    if (rowsRead >= 0) {
        return Failure(lineNumber, "level " + std::to_string(level.number) + " has " +
                                       std::to_string(rowsRead) + " of 5 rows");
    }
    if (result.levels.empty()) {
        return Failure(std::max(lineNumber, 1), "no levels");
    }
    return result;
}

LevelSetFile::Result LevelSetFile::Load(const std::string& path) {
    std::string text;
    switch (platform::ReadWholeFile(path, text, kMaxFileBytes)) {
    case platform::ReadResult::Ok:
        break;
    case platform::ReadResult::Missing:
        return {{}, path + ": no such file"};
    case platform::ReadResult::Failed:
        return {{}, path + ": cannot read it, or it is larger than 4 MiB"};
    }
    Result result = Parse(text);
    if (!result.Ok()) {
        // "line N: why" becomes "PATH:N: why", the form editors jump to.
        result.error = path + ":" + result.error.substr(std::string_view("line ").size());
    }
    return result;
}

std::string LevelSetFile::Format(const std::vector<Level>& levels) {
    std::string text = kHeader;
    for (const Level& level : levels) {
        text += "\nlevel " + std::to_string(level.number) + " steps " +
                std::to_string(level.steps) + " name " + level.name + "\n";
        for (const std::string& row : Picture(level.grid)) {
            text += row + "\n";
        }
    }
    return text;
}

std::array<std::string, kRows> LevelSetFile::Picture(const LevelFile::Grid& grid) {
    std::array<std::string, kRows> rows;
    rows.fill(". . . .");
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int number = grid[cell];
        if (number == 0) {
            continue;
        }
        const int anchorCol = cell / kRows;
        const int anchorRow = cell % kRows;
        const Shape shape = Piece::ShapeOf(number);
        for (int col = anchorCol; col < anchorCol + Piece::ColumnsOf(shape); ++col) {
            for (int row = anchorRow; row < anchorRow + Piece::RowsOf(shape); ++row) {
                if (col < kColumns && row < kRows) {
                    rows[row][2 * col] = MarkerFor(col, row, anchorCol, anchorRow);
                }
            }
        }
        rows[anchorRow][2 * anchorCol] = LetterOf(number);
    }
    return rows;
}

char LevelSetFile::LetterOf(int number) {
    if (number >= 1 && number <= kLetterCount) {
        return static_cast<char>('A' + number - 1);
    }
    if (number > kLetterCount && number <= kMaxPieceNumber) {
        return static_cast<char>('a' + number - kLetterCount - 1);
    }
    return '?';
}

int LevelSetFile::NumberOf(char letter) {
    if (letter >= 'A' && letter <= 'Z') {
        return letter - 'A' + 1;
    }
    if (letter >= 'a' && letter < 'a' + kMaxPieceNumber - kLetterCount) {
        return letter - 'a' + kLetterCount + 1;
    }
    return 0;
}

std::string LevelSetFile::CheckName(std::string_view utf8) {
    std::u32string characters;
    if (!DecodeUtf8(utf8, characters)) {
        return "not valid UTF-8";
    }
    if (characters.empty() || characters.size() > kMaxNameCharacters) {
        return "must have 1 to " + std::to_string(kMaxNameCharacters) + " characters";
    }
    for (const char32_t character : characters) {
        if (character <= ' ' || character == 0x7F) {
            return "holds a space or a control character";
        }
    }
    if (platform::GbkText::ToCodePoints(platform::GbkText::FromUtf8(utf8)) != characters) {
        return "has a character that GBK cannot encode";
    }
    return {};
}

} // namespace puzzle
