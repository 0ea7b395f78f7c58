#include "game/PersonalRecords.h"

#include <algorithm>

namespace game {

namespace {

bool IsTrackedLevel(int level) {
    return level >= 1 && level <= puzzle::kLevelCount;
}

const LevelRecord kNoRecord{};

} // namespace

bool PersonalRecords::Valid(const LevelRecord& record) {
    if (record.best < 0 || record.best > kMaxSteps) {
        return false;
    }
    if (!record.Cleared()) {
        return record.fewest == WinReport::kUnknown && !record.unassisted;
    }
    return record.fewest == WinReport::kUnknown ||
           (record.fewest >= 1 && record.fewest <= record.best);
}

bool PersonalRecords::Record(const WinReport& win) {
    if (!IsTrackedLevel(win.level) || win.steps < 1) {
        return false;
    }
    LevelRecord& kept = levels[static_cast<std::size_t>(win.level)];
    const LevelRecord before = kept;
    const int steps = std::min(win.steps, kMaxSteps);
    if (!kept.Cleared() || steps < kept.best) {
        kept.best = steps;
    }
    if (!win.assisted) {
        kept.unassisted = true;
    }
    // Nobody beats the fewest possible: a fewest above the best is wrong, whether told now or
    // kept from a level whose file has since changed.
    if (win.fewest >= 1 && win.fewest <= kept.best) {
        kept.fewest = win.fewest;
    } else if (kept.fewest > kept.best) {
        kept.fewest = WinReport::kUnknown;
    }
    return kept != before;
}

const LevelRecord& PersonalRecords::Of(int level) const {
    return IsTrackedLevel(level) ? levels[static_cast<std::size_t>(level)] : kNoRecord;
}

bool PersonalRecords::Set(int level, const LevelRecord& record) {
    if (!IsTrackedLevel(level) || !Valid(record)) {
        return false;
    }
    levels[static_cast<std::size_t>(level)] = record;
    return true;
}

} // namespace game
