#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// The temporary file a save writes before it takes the real file's place: the real name, the
// mark, then six letters or digits. The mark keeps a player's own files, such as
// "Rest.pa.backup", out of the cleaner's reach.
class SavingFileName {
public:
    static constexpr std::string_view kMark = ".saving-";
    static constexpr std::size_t kSuffixLength = 6;

    // Whether the folder entry `entry` is a temporary file of a save of `name`.
    static bool IsOf(std::string_view entry, std::string_view name);
};

} // namespace platform
