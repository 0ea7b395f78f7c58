#pragma once

namespace game {

// What the play reports when a move wins a level.
struct WinReport {
    // The level won, 1-based.
    int level = 0;
    // The steps the player took.
    int steps = 0;
    // The fewest steps the level can be won in from its start; kUnknown while not known.
    int fewest = kUnknown;
    // True when a hint was shown during the attempt.
    bool assisted = false;

    static constexpr int kUnknown = -1;
};

} // namespace game
