#include "MelodyWriter.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace assetgen::audio {

namespace {

const std::vector<int> kClosingCell = {8};

} // namespace

MelodyWriter::MelodyWriter(const CompositionStyle& style, const PentatonicScale& scale, Prng& rng)
    : style(style), scale(scale), rng(rng) {
    assert(!style.rhythms.empty());
}

const std::vector<int>& MelodyWriter::CadenceCell() {
    // Bars of the style that end on a note of at least half a bar, so the phrase can rest.
    std::vector<const std::vector<int>*> endings;
    for (const std::vector<int>& cell : style.rhythms) {
        if (cell.back() >= 4) {
            endings.push_back(&cell);
        }
    }
    static const std::vector<int> kPlain = {2, 2, 4};
    return endings.empty() ? kPlain : *endings[rng.Below(static_cast<int>(endings.size()))];
}

int MelodyWriter::Walk(int step, int lowStep, int highStep) {
    int size = static_cast<int>(rng.Pick({repeated ? 0.0 : 0.08, 0.58, 0.26, 0.08}));
    repeated = size == 0;
    // Lean back towards the middle of the range the further the walk has strayed.
    const double middle = 0.5 * (lowStep + highStep);
    const double up = std::clamp(0.5 - 0.09 * (step - middle), 0.12, 0.88);
    int next = step + (rng.Chance(up) ? size : -size);
    if (next > highStep) {
        next = std::max(lowStep, 2 * highStep - next);
    } else if (next < lowStep) {
        next = std::min(highStep, 2 * lowStep - next);
    }
    return next;
}

int MelodyWriter::Nearest(int target, int from, int lowStep, int highStep) const {
    int best = target;
    for (int candidate = target - 15; candidate <= target + 15; candidate += 5) {
        const bool inside = candidate >= lowStep && candidate <= highStep;
        const bool bestInside = best >= lowStep && best <= highStep;
        if ((inside && !bestInside) ||
            (inside == bestInside && std::abs(candidate - from) < std::abs(best - from))) {
            best = candidate;
        }
    }
    return best;
}

int MelodyWriter::Approach(int step, int target) const {
    // From the side the melody is on, unless that would sound the same note again.
    const int side = step > target ? 1 : -1;
    return target + side == step ? target - side : target + side;
}

int MelodyWriter::NearestStable(int step, int lowStep, int highStep) const {
    for (const int offset : {0, -1, 1, -2, 2}) {
        const int candidate = step + offset;
        if (candidate >= lowStep && candidate <= highStep && scale.IsStable(candidate)) {
            return candidate;
        }
    }
    return step;
}

void MelodyWriter::Write(int bars, double firstBeat, int lowStep, int highStep, int cadence,
                         bool closing, int& step, std::vector<MelodyNote>& out) {
    for (int bar = 0; bar < bars; ++bar) {
        const bool lastBar = bar == bars - 1;
        const std::vector<int>& cell =
            !lastBar  ? style.rhythms[rng.Below(static_cast<int>(style.rhythms.size()))]
            : closing ? kClosingCell
                      : CadenceCell();
        double beat = firstBeat + 4.0 * bar;
        const int target = Nearest(cadence, step, lowStep, highStep);
        for (std::size_t i = 0; i < cell.size(); ++i) {
            const std::size_t left = cell.size() - i;
            if (lastBar && left == 1) {
                step = target;
            } else if (lastBar && left == 2) {
                step = Approach(step, target);
            } else {
                step = Walk(step, lowStep, highStep);
                if (cell[i] >= 4 && rng.Chance(0.5)) {
                    step = NearestStable(step, lowStep, highStep);
                }
            }
            out.push_back({beat, cell[i] / 2.0, step});
            beat += cell[i] / 2.0;
        }
    }
}

} // namespace assetgen::audio
