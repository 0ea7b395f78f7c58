#pragma once

#include <cstdint>
#include <string>

namespace widgets {

// The timing of an animated picture: which named event drives it, how many frames a cycle has,
// which frame shows now, how fast and for how many cycles.
struct AnimationSpec {
    std::string eventName;
    // The strip's frames, all of them in every cycle.
    std::uint16_t frameCount = 0;
    // The frame shown now; as handed to Load, the frame to start from (1..frameCount).
    std::uint16_t animFrame = 0;
    // Milliseconds between two frames.
    int period = 0;
    // Cycles to play; 0 plays without end.
    int repeatCount = 0;
    // Cycles played since the last Start.
    int cycles = 0;
};

} // namespace widgets
