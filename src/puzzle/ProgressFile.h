#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace puzzle {

// The cleared-level file: a signed 32-bit count, then that many signed 32-bit level numbers,
// little-endian. The program writes the levels in ascending order, each once.
class ProgressFile {
public:
    enum class Status { Ok, Missing, CannotOpen };

    // Called with each entry; returning false stops the scan.
    using Visitor = std::function<bool(std::int32_t)>;

    // Entries read at most, whatever the count says.
    static constexpr std::int32_t kMaxEntries = 65536;

    // Visits the entries the count announces, stopping at the end of the file or after
    // kMaxEntries: a damaged count never reads past what the file holds. The caller keeps the
    // stream. A null stream is a file that could not be opened: Missing when errno tells that
    // the open found no file, CannotOpen otherwise.
    static Status Read(std::FILE* file, const Visitor& visit);

    // The bytes of a file listing `levels`, with their count.
    static std::string Encode(const std::vector<std::int32_t>& levels);
};

} // namespace puzzle
