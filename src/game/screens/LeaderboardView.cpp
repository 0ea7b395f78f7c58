#include "game/screens/LeaderboardView.h"

#include <algorithm>
#include <string>

#include "game/screens/LeaderboardFile.h"
#include "widgets/TextTable.h"

namespace game {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

} // namespace

void LeaderboardView::LoadLeaderboard(widgets::TextTable& table, int rows, int columns,
                                      const std::string& path) {
    if (rows < 1 || columns < 1) {
        return;
    }
    table.rows = rows;
    table.columns = columns;
    LeaderboardFile::Table records{};
    if (!LeaderboardFile::Read(path, records)) {
        return;
    }
    const int shown = std::min(rows, LeaderboardFile::kRecords);
    for (int r = 0; r < shown; ++r) {
        table.SetCell(r, 0, LeaderboardFile::NameText(records[r]), kWhite);
        table.SetCell(r, 1, std::to_string(records[r].score), kWhite);
    }
}

} // namespace game
