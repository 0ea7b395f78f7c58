#pragma once

#include "PercussionVoice.h"
#include "PluckedString.h"
#include "Prng.h"
#include "Score.h"
#include "StereoBuffer.h"

namespace assetgen::audio {

// Turns notes into sound: knows how each instrument is built from the voices and how loud
// it sits in the mix.
class Orchestra {
public:
    // The note from its onset until it has died away, at the note's velocity and pan.
    StereoBuffer Play(const NoteEvent& note, Prng& rng) const;

    // The timbres, also for the click of the user interface.
    static PluckParams StringFor(const NoteEvent& note);
    static HitParams HitFor(const NoteEvent& note);

private:
    StereoBuffer PlayString(const NoteEvent& note, Prng& rng) const;
    StereoBuffer PlayDrone(const NoteEvent& note, Prng& rng) const;
    StereoBuffer PlayHit(const NoteEvent& note, Prng& rng) const;
    // Left and right gains for `pan` at equal power.
    static void PanGains(float pan, float& left, float& right);
};

} // namespace assetgen::audio
