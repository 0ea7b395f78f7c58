#pragma once

#include <string>

namespace widgets {
class TextTable;
}

namespace game {

// Fills a text table from the results file: names in column 0, scores in column 1, white.
class LeaderboardView {
public:
    // From the results file at `path`. Nothing for fewer than one row or column; a file that
    // cannot be read leaves the cells as they were. The caller lays the table out afterwards.
    static void LoadLeaderboard(widgets::TextTable& table, int rows, int columns,
                                const std::string& path);
};

} // namespace game
