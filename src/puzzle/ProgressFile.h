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
    // kMaxEntries: a damaged count never reads past what the file holds.
    static Status Read(std::string_view path, const Visitor& visit);
    static void Read(std::FILE* file, const Visitor& visit);

    // Replaces the file atomically with `levels` and their count.
    static bool Write(std::string_view path, const std::vector<std::int32_t>& levels);
    static std::string Encode(const std::vector<std::int32_t>& levels);

    // exeDir + "Rest.pa".
    static std::string Path();
};

} // namespace puzzle
