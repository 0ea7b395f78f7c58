#pragma once

#include <vector>

namespace assetgen::audio {

enum class Instrument {
    Zither,     // long-ringing bright plucked strings: the melody of the calm pieces
    Pipa,       // short, twangy plucks, played in tremolo on long notes
    BassZither, // the low strings: accompaniment
    Drone,      // soft sustained tone
    FrameDrum,
    WoodBlock,
};

struct NoteEvent {
    Instrument instrument = Instrument::Zither;
    double start = 0.0;       // seconds from the start of the loop
    double hold = 0.5;        // seconds before the player damps the note
    double frequency = 440.0; // Hz
    float velocity = 0.7f;    // 0 .. 1
    float pan = 0.0f;         // -1 left .. 1 right
    float glideCents = 0.0f;  // slides onto the pitch from this far away
    float vibratoCents = 0.0f;
};

// The drone's swell and fade; the composer keeps each fade clear of the loop's end.
inline constexpr double kDroneAttackSeconds = 2.0;
inline constexpr double kDroneReleaseSeconds = 2.5;

// One turn of a loop: the notes, each starting inside [0, seconds).
struct Score {
    double seconds = 0.0;
    std::vector<NoteEvent> notes;
};

} // namespace assetgen::audio
