#pragma once

#include <string>
#include <string_view>

namespace platform {

// The settings file, read and written one key at a time: every read opens the file, every write
// replaces it atomically. There is no cache. A missing file or key yields the default; a file
// that exists but cannot be read is never overwritten.
class Settings {
public:
    // Files larger than this are treated as unreadable.
    static constexpr std::size_t kMaxFileSize = 1 << 20;

    static std::string ReadString(std::string_view path, std::string_view section,
                                  std::string_view key, std::string_view fallback);
    // Reads the text as ReadString does and converts it with ToNumber.
    static int ReadNumber(std::string_view path, std::string_view section, std::string_view key,
                          std::string_view fallback);
    static bool WriteString(std::string_view path, std::string_view section, std::string_view key,
                            std::string_view value);
    static bool WriteNumber(std::string_view path, std::string_view section, std::string_view key,
                            int value);

    // Converts at most the first four characters as a decimal integer: leading blanks skipped,
    // an optional sign, digits up to the first non-digit; no digits give 0.
    static int ToNumber(std::string_view text);
};

} // namespace platform
