#pragma once

#include <array>
#include <cstdint>

#include "game/screens/WinReport.h"
#include "puzzle/Geometry.h"

namespace game {

// What the player has achieved on one level.
struct LevelRecord {
    // The fewest steps of any clear, with or without a hint; kNotCleared before the first.
    int best = kNotCleared;
    // The fewest steps the level can be won in; WinReport::kUnknown while no win has told it.
    int fewest = WinReport::kUnknown;
    // Whether any clear was made without a hint.
    bool unassisted = false;

    static constexpr int kNotCleared = 0;

    bool Cleared() const { return best != kNotCleared; }
    // Cleared, but every clear was helped by a hint.
    bool OnlyAssisted() const { return Cleared() && !unassisted; }
    // The best equals the fewest possible.
    bool Perfect() const { return Cleared() && best == fewest; }
    bool operator==(const LevelRecord&) const = default;
};

// The player's personal records for levels 1..kLevelCount. A best is never raised again: a
// worse or equal clear keeps it, and a clear made with a hint counts for the best like any
// other; the unassisted flag, once set, stays set.
class PersonalRecords {
public:
    // Steps beyond this are kept as this many; the file stores them in 16 bits.
    static constexpr int kMaxSteps = 0xFFFE;

    // Takes in a win. A told fewest replaces the one kept unless it lies above the best, which
    // no fewest possible can; a win of no steps is no win. Returns true when anything
    // kept changed (a new best, the first unassisted clear or a newly told fewest), false when
    // nothing did or the level is outside 1..kLevelCount.
    bool Record(const WinReport& win);

    // The record of `level`; an empty record outside 1..kLevelCount.
    const LevelRecord& Of(int level) const;
    // Replaces the record of `level`, as a reader does; false, and nothing changes, outside
    // 1..kLevelCount or for a record that is not Valid.
    bool Set(int level, const LevelRecord& record);

    // A record Record can make: a best within 0..kMaxSteps; a known fewest within 1..best; no
    // fewest and no unassisted clear on a level not cleared.
    static bool Valid(const LevelRecord& record);

    bool operator==(const PersonalRecords&) const = default;

private:
    std::array<LevelRecord, puzzle::kLevelCount + 1> levels{};
};

} // namespace game
