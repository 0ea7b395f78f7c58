#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace game {

// The ten best results: ten records of 18 bytes, a little-endian signed score then a 14-byte
// name padded with zero bytes (a 14-byte name has no terminator). Best first; among equal
// scores the older record stands above. The file is read or rewritten whole each time.
class LeaderboardFile {
public:
    static constexpr int kRecords = 10;
    static constexpr int kNameBytes = 14;
    static constexpr int kRecordBytes = 4 + kNameBytes;
    static constexpr int kFileBytes = kRecords * kRecordBytes;

    struct Record {
        std::int32_t score = 0;
        std::array<char, kNameBytes> name{};
        bool operator==(const Record&) const = default;
    };
    using Table = std::array<Record, kRecords>;

    // Ten records of score 0 named "TOvak".
    static Table DefaultTable();
    // Writes the default table when the file does not exist; an existing file, whatever it
    // holds, is left alone.
    static void CreateIfMissing(std::string_view path);
    // The records; a short file's missing records read as score 0 and an empty name. False when
    // the file cannot be read.
    static bool Read(std::string_view path, Table& table);
    // Inserts `record` below every record with at least its score; the last record drops out.
    // When `replaces` is given and still in the table, it leaves first: a sitting that enters
    // again keeps one row, with the higher score (a lower one changes nothing). Returns the
    // place taken, or -1 when the table is unchanged.
    static int Place(Table& table, const Record& record, const std::optional<Record>& replaces);
    // Place on the file's table. The file is replaced atomically, and only when the table
    // changes. Returns the place taken, or -1.
    static int Submit(std::string_view path, std::int32_t score,
                      const std::array<char, kNameBytes>& name,
                      const std::optional<Record>& replaces = std::nullopt);
    // The name as text: up to its first zero byte, at most 14 bytes.
    static std::string NameText(const Record& record);

    static std::string Encode(const Table& table);
};

} // namespace game
