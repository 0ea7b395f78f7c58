// Any bytes as the results file: reading gives ten records whose names stay within their 14
// bytes, and a submission afterwards, also one that replaces a row it read, leaves a
// well-formed 180-byte table.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "game/screens/LeaderboardFile.h"
#include "platform/FileSystem.h"

using namespace game;

namespace {

std::string path;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/fuzz-results-XXXXXX";
    path = std::string(mkdtemp(pattern) != nullptr ? pattern : "/tmp") + "/st.data";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!platform::WriteFileAtomically(path, bytes)) {
        return 0;
    }
    LeaderboardFile::Table table;
    if (!LeaderboardFile::Read(path, table)) {
        return 0;
    }
    for (const LeaderboardFile::Record& record : table) {
        if (LeaderboardFile::NameText(record).size() > LeaderboardFile::kNameBytes) {
            __builtin_trap();
        }
    }
    const std::array<char, LeaderboardFile::kNameBytes> name{'f', 'u', 'z', 'z'};
    // The second byte picks a row to replace, as a sitting that enters again does.
    std::optional<LeaderboardFile::Record> replaces;
    if (size > 1 && data[1] < LeaderboardFile::kRecords) {
        replaces = table[data[1]];
    }
    LeaderboardFile::Submit(path, size > 0 ? data[0] : 0, name, replaces);
    std::string after;
    if (platform::ReadWholeFile(path, after, 1 << 20) == platform::ReadResult::Ok &&
        after != bytes && after.size() != LeaderboardFile::kFileBytes) {
        __builtin_trap(); // a rewritten table is always whole
    }
    return 0;
}
