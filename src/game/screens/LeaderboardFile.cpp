#include "game/screens/LeaderboardFile.h"

#include <algorithm>
#include <cstring>

#include "platform/FileSystem.h"

namespace game {

namespace {

constexpr char kDefaultName[] = "TOvak";

std::int32_t ReadScore(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return static_cast<std::int32_t>(b[0] | b[1] << 8 | b[2] << 16 |
                                     static_cast<std::uint32_t>(b[3]) << 24);
}

} // namespace

LeaderboardFile::Table LeaderboardFile::DefaultTable() {
    Table table{};
    for (Record& record : table) {
        std::memcpy(record.name.data(), kDefaultName, sizeof kDefaultName - 1);
    }
    return table;
}

std::string LeaderboardFile::Encode(const Table& table) {
    std::string bytes;
    bytes.reserve(kFileBytes);
    for (const Record& record : table) {
        const auto score = static_cast<std::uint32_t>(record.score);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<char>((score >> shift) & 0xFF));
        }
        bytes.append(record.name.data(), record.name.size());
    }
    return bytes;
}

void LeaderboardFile::CreateIfMissing(std::string_view path) {
    if (!platform::FileExists(path)) {
        platform::WriteFileAtomically(path, Encode(DefaultTable()));
    }
}

bool LeaderboardFile::Read(std::string_view path, Table& table) {
    std::string bytes;
    if (platform::ReadWholeFile(path, bytes, 1 << 20) != platform::ReadResult::Ok) {
        return false;
    }
    bytes.resize(kFileBytes, '\0');
    for (int r = 0; r < kRecords; ++r) {
        const char* record = bytes.data() + r * kRecordBytes;
        table[r].score = ReadScore(record);
        std::memcpy(table[r].name.data(), record + 4, kNameBytes);
    }
    return true;
}

int LeaderboardFile::Place(Table& table, const Record& record,
                           const std::optional<Record>& replaces) {
    auto end = table.end();
    if (replaces) {
        // Identical rows are interchangeable: the last one found goes.
        const auto earlier = std::find(table.rbegin(), table.rend(), *replaces);
        if (earlier != table.rend()) {
            if (earlier->score >= record.score) {
                return -1;
            }
            // Close the gap; the freed last place takes the new row if nothing else does.
            std::move(earlier.base(), table.end(), earlier.base() - 1);
            --end;
        }
    }
    const auto place = std::find_if(
        table.begin(), end, [&record](const Record& row) { return row.score < record.score; });
    if (place == table.end()) {
        return -1;
    }
    std::move_backward(place, table.end() - 1, table.end());
    *place = record;
    return static_cast<int>(place - table.begin());
}

int LeaderboardFile::Submit(std::string_view path, std::int32_t score,
                            const std::array<char, kNameBytes>& name,
                            const std::optional<Record>& replaces) {
    Table table{};
    if (!Read(path, table)) {
        return -1;
    }
    const int place = Place(table, Record{score, name}, replaces);
    if (place < 0 || !platform::WriteFileAtomically(path, Encode(table))) {
        return -1;
    }
    return place;
}

std::string LeaderboardFile::NameText(const Record& record) {
    const auto end = std::find(record.name.begin(), record.name.end(), '\0');
    return std::string(record.name.begin(), end);
}

} // namespace game
