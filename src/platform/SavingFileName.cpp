#include "platform/SavingFileName.h"

#include <algorithm>
#include <cctype>

namespace platform {

bool SavingFileName::IsOf(std::string_view entry, std::string_view name) {
    const std::size_t prefix = name.size() + kMark.size();
    if (entry.size() != prefix + kSuffixLength || entry.substr(0, name.size()) != name ||
        entry.substr(name.size(), kMark.size()) != kMark) {
        return false;
    }
    const std::string_view suffix = entry.substr(prefix);
    return std::all_of(suffix.begin(), suffix.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

} // namespace platform
