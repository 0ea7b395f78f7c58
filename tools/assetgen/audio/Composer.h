#pragma once

#include <cstdint>
#include <vector>

#include "CompositionStyle.h"
#include "MelodyWriter.h"
#include "PentatonicScale.h"
#include "Prng.h"
#include "Score.h"

namespace assetgen::audio {

// Writes a looping piece in four-bar phrases: a melody with a recurring opening motif and a
// contrasting higher phrase, accompaniment on a root per bar, a drone and drums as the style
// asks. The loop's seam falls in a quiet place: the last phrase closes on a long tonic that
// dies away before the end, and the first note comes a moment after the start, so that the
// close of the last phrase leads back into the opening.
class Composer {
public:
    // Notes start no earlier than this after the loop's start (humanised timing aside)...
    static constexpr double kLeadInSeconds = 0.3;
    // ...and are damped (or faded, for the drone) at least this long before its end.
    static constexpr double kSeamGuardSeconds = 0.3;

    Composer(const CompositionStyle& style, std::uint64_t seed);

    // The whole piece; the same notes for the same style and seed.
    Score Compose();

private:
    enum class Phrase { Opening, Answer, Contrast, ContrastAnswer, Closing };

    std::vector<Phrase> Form() const;
    void WriteMelody(const std::vector<Phrase>& form, std::vector<MelodyNote>& melody);
    void AddLeadNote(const MelodyNote& note);
    void AddSweep(double beat, int toStep);
    void AddAccompaniment(const std::vector<Phrase>& form);
    void AddAccompanimentBar(int bar, int root, bool closing);
    void AddDrone();
    void AddGrooveBar(int bar, bool phraseEnd, bool closing);
    void AddPulseBar(int bar, bool closing);
    // Adds a note with slightly human timing, its hold cut short where it would reach the seam;
    // a note that would start inside the guard before the seam is left out (null). The pointer
    // is good until the next Add.
    NoteEvent* Add(Instrument instrument, double beat, double holdBeats, double frequency,
                   float velocity, float pan);
    double SecondsAt(double beat) const;
    // A gentle swell and ebb over each phrase.
    float Phrasing(double beat) const;

    CompositionStyle style;
    PentatonicScale scale;
    Prng rng;
    Score score;
    double secondsPerBeat = 0.5;
};

} // namespace assetgen::audio
