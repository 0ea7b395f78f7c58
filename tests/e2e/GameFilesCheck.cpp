// Reads the files the game writes beside itself with the game's own readers and prints their
// content in a canonical form, one item a line, for the crash-safety test to compare:
//   progress missing | progress N L1 L2 ...       Rest.pa: the cleared levels, ascending
//   setting SECTION KEY VALUE | ... KEY -         set.ini: each key the game uses, "-" if absent
//   leaderboard missing | record SCORE NAME       st.data: the ten records, best first
// A file that exists but is damaged (a count that disagrees with the size, levels out of order
// or range, a key with a value the game never writes, a table of the wrong size or order) is
// reported on stderr and makes the exit code 1.
//
//   game_files_check GAME_FOLDER        the three files
//   game_files_check --default-table    the table the game writes when st.data is missing
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "formats/IniFile.h"
#include "game/ProgressStore.h"
#include "game/screens/LeaderboardFile.h"
#include "platform/FileSystem.h"
#include "platform/Settings.h"
#include "puzzle/Geometry.h"
#include "puzzle/ProgressFile.h"

using namespace puzzle;
using namespace game;

namespace {

bool Damaged(std::string_view file, const char* what) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(file.size()), file.data(), what);
    return false;
}

// The file's bytes; Missing when there is none, Failed when it cannot be read.
platform::ReadResult ReadBytes(const std::string& path, std::string& bytes) {
    return platform::ReadWholeFile(path, bytes, platform::Settings::kMaxFileSize);
}

bool CheckProgress(const std::string& path) {
    std::string bytes;
    const platform::ReadResult read = ReadBytes(path, bytes);
    if (read == platform::ReadResult::Missing) {
        std::printf("progress missing\n");
        return true;
    }
    std::vector<std::int32_t> levels;
    if (read != platform::ReadResult::Ok ||
        game::ProgressStore::Read(path, [&levels](std::int32_t level) {
            levels.push_back(level);
            return true;
        }) != ProgressFile::Status::Ok) {
        return Damaged(path, "cannot be read");
    }
    // The reader stops quietly at the end of the file; a whole file is its count and exactly
    // that many levels, so it encodes back to the same bytes.
    if (ProgressFile::Encode(levels) != bytes) {
        return Damaged(path, "its count disagrees with its size");
    }
    std::printf("progress %zu", levels.size());
    bool ordered = true;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        ordered = ordered && levels[i] >= 1 && levels[i] <= kLevelCount &&
                  (i == 0 || levels[i - 1] < levels[i]);
        std::printf(" %d", levels[i]);
    }
    std::printf("\n");
    return ordered || Damaged(path, "levels out of range, out of order or repeated");
}

bool IsNumberIn(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return false;
    }
    const int value = platform::Settings::ToNumber(text);
    return low <= value && value <= high;
}

struct KeyRule {
    const char* section;
    const char* key;
    int low;
    int high;
    bool text; // any text is valid, as long as the key is there when it was
};

constexpr KeyRule kKeys[] = {
    {"board", "maxboard", 1, kLevelCount, false},
    {"board", "nboard", 1, kLevelCount, false},
    {"website", "web1", 0, 0, true},
    {"website", "web2", 0, 0, true},
    {"website", "web3", 0, 0, true},
    {"set", "fullscreen", 0, 1, false},
    {"volume", "sound", 0, 15, false},
    {"volume", "music", 0, 15, false},
};

bool CheckSettings(const std::string& path) {
    std::string text;
    const platform::ReadResult read = ReadBytes(path, text);
    if (read == platform::ReadResult::Missing) {
        std::printf("settings missing\n");
        return true;
    }
    if (read != platform::ReadResult::Ok) {
        return Damaged(path, "cannot be read");
    }
    formats::IniFile ini;
    ini.Parse(text);
    bool valid = true;
    for (const KeyRule& rule : kKeys) {
        // A line break can never be in a value, so it marks an absent key.
        const std::string value = ini.GetString(rule.section, rule.key, "\n");
        const bool absent = value == "\n";
        std::printf("setting %s %s %s\n", rule.section, rule.key, absent ? "-" : value.c_str());
        if (!absent && !rule.text && !IsNumberIn(value, rule.low, rule.high)) {
            valid = Damaged(path, "a key holds a value the game never writes");
        }
    }
    return valid;
}

// The name with anything but printable ASCII written as \xNN, so a line is one record.
std::string Printable(const std::string& name) {
    std::string out;
    for (const unsigned char c : name) {
        if (c > ' ' && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

bool PrintTable(const LeaderboardFile::Table& table) {
    bool descending = true;
    for (std::size_t r = 0; r < table.size(); ++r) {
        descending = descending && (r == 0 || table[r - 1].score >= table[r].score);
        std::printf("record %d %s\n", table[r].score,
                    Printable(LeaderboardFile::NameText(table[r])).c_str());
    }
    return descending;
}

bool CheckLeaderboard(const std::string& path) {
    std::string bytes;
    const platform::ReadResult read = ReadBytes(path, bytes);
    if (read == platform::ReadResult::Missing) {
        std::printf("leaderboard missing\n");
        return true;
    }
    LeaderboardFile::Table table{};
    if (read != platform::ReadResult::Ok || !LeaderboardFile::Read(path, table)) {
        return Damaged(path, "cannot be read");
    }
    // The reader pads a short file with empty records; the game only ever writes whole tables.
    if (bytes.size() != LeaderboardFile::kFileBytes) {
        return Damaged(path, "is not ten whole records");
    }
    return PrintTable(table) || Damaged(path, "scores are not in descending order");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_FOLDER | --default-table\n", argv[0]);
        return 2;
    }
    const std::string argument = argv[1];
    if (argument == "--default-table") {
        PrintTable(LeaderboardFile::DefaultTable());
        return 0;
    }
    const std::string folder = argument.back() == '/' ? argument : argument + "/";
    // Each file is checked even when an earlier one is damaged, so one run tells everything.
    const bool progress = CheckProgress(folder + "Rest.pa");
    const bool settings = CheckSettings(folder + "set.ini");
    const bool leaderboard = CheckLeaderboard(folder + "st.data");
    std::fflush(stdout);
    return progress && settings && leaderboard ? 0 : 1;
}
