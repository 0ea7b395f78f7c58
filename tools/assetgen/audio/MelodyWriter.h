#pragma once

#include <vector>

#include "CompositionStyle.h"
#include "PentatonicScale.h"
#include "Prng.h"

namespace assetgen::audio {

struct MelodyNote {
    double beat = 0.0;  // from the start of the piece
    double beats = 1.0; // written length
    int step = 0;       // scale step from the tonic
};

// Writes melody bars as a walk over the pentatonic scale: mostly steps, some skips, rare
// leaps, pulled back towards the middle of the range, long notes leaning on tonic and fifth,
// and every phrase closed on a chosen note.
class MelodyWriter {
public:
    MelodyWriter(const CompositionStyle& style, const PentatonicScale& scale, Prng& rng);

    // Appends `bars` bars from `firstBeat` on, continuing from `step` (updated to the last
    // note written), within [lowStep, highStep]. The last bar ends on a note with the pitch
    // class of `cadence`; when `closing`, the last bar is that single note.
    void Write(int bars, double firstBeat, int lowStep, int highStep, int cadence, bool closing,
               int& step, std::vector<MelodyNote>& out);

private:
    const std::vector<int>& CadenceCell();
    int Walk(int step, int lowStep, int highStep);
    // The step with the pitch class of `target` nearest to `from` inside the range.
    int Nearest(int target, int from, int lowStep, int highStep) const;
    // The neighbour of `target` to sound just before it, coming from `step`.
    int Approach(int step, int target) const;
    // A tonic or fifth within two steps of `step` inside the range, else `step`.
    int NearestStable(int step, int lowStep, int highStep) const;

    const CompositionStyle& style;
    const PentatonicScale& scale;
    Prng& rng;
    bool repeated = false;
};

} // namespace assetgen::audio
