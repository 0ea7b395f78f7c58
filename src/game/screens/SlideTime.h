#pragma once

#include <cstdint>
#include <string>

namespace game {

// How long a moved piece takes to slide into its new cell. set.ini's "animate" in section "set"
// set to 0 turns slides off: pieces jump to their cells. TOVAK_SLIDE_MS in the environment sets
// another time (0 to 5000 ms), for tests that look at a piece in the middle of its slide.
class SlideTime {
public:
    static constexpr std::uint32_t kDefaultMs = 90;
    static constexpr std::uint32_t kLongestMs = 5000;

    // The time in milliseconds, 0 for none; the settings file is read afresh at every call.
    static std::uint32_t Read(const std::string& settingsPath);
};

} // namespace game
