#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// An INI document held in memory, edited key by key. Section and key names compare without
// regard to ASCII case; the first matching section and key win. Every line that is not the one
// being written is kept as it was, comments and unknown keys included.
class IniFile {
public:
    // Values are read into buffers of this many characters, the last one for the terminator.
    static constexpr std::size_t kValueBufferSize = 260;

    void Parse(std::string_view text);
    std::string Text() const;

    // The value of `key` in `section`, or `fallback` when either is absent; at most
    // kValueBufferSize - 1 characters. Surrounding blanks and one pair of quotes are removed.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;

    // Sets `key` in `section`, creating both as needed. Returns false, changing nothing, for
    // names that would not read back as written (empty, or with line breaks, '=' in a key, ']' in
    // a section). A value is cut at its first line break so it cannot add lines.
    bool SetString(std::string_view section, std::string_view key, std::string_view value);

private:
    struct KeyLine {
        std::string_view key;
        std::string_view value;
    };

    static bool ParseSection(std::string_view line, std::string_view& name);
    static bool ParseKey(std::string_view line, KeyLine& parsed);
    // Index of the header line of `section`, or npos.
    std::size_t FindSection(std::string_view section) const;
    // Index of `key`'s line in the section whose header is at `header`, or npos.
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    std::size_t SectionEnd(std::size_t header) const;

    std::vector<std::string> lines;
    std::string newline = "\n";
    // Kept so that a file saved with one is written back with one.
    bool byteOrderMark = false;
};

} // namespace formats
