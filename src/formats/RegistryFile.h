#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace formats {

// The text of one registry key in the file-backed store: a "[values]" section of name=value
// lines. Lines of other sections, lines without '=' and lines that begin with '=' are skipped;
// a CR before the line end is dropped.
class RegistryFile {
public:
    using Values = std::vector<std::pair<std::string, std::string>>;

    // Appends the values of `text` in file order.
    static void Parse(std::string_view text, Values& values);
    static std::string Format(const Values& values);
    // Names and values that the line format can hold.
    static bool IsValidName(std::string_view name);
    static bool IsValidValue(std::string_view value);
};

} // namespace formats
