#pragma once

#include <vector>

#include "PentatonicScale.h"
#include "Score.h"

namespace assetgen::audio {

enum class Accompaniment {
    Sustained, // root and fifth held through the bar
    Arpeggio,  // broken chords in eighth notes
    Bass,      // a plucked bass line with a syncopated fifth
    Sparse,    // one low note a bar
};

enum class DrumPart {
    None,
    Pulse,  // a soft frame drum marking the bars
    Groove, // frame drum and wood block in sixteenths, with fills
};

// What a piece is like; the Composer draws the notes from it and a seed.
struct CompositionStyle {
    double tempo = 72.0; // beats per minute, four beats a bar
    int bars = 16;       // a multiple of four: the piece is made of four-bar phrases
    PentatonicMode mode = PentatonicMode::Gong;
    int tonicMidi = 62; // the melody's tonic; accompaniment and drone lie below it
    int lowStep = 0;    // the melody's range in scale steps from the tonic
    int highStep = 8;
    Instrument lead = Instrument::Zither;
    std::vector<std::vector<int>> rhythms; // the melody's bars, in eighth notes summing to 8
    Accompaniment accompaniment = Accompaniment::Sustained;
    int accompanimentOctave = -1; // octaves below the melody's tonic
    DrumPart drums = DrumPart::None;
    double legato = 1.3;         // a melody note rings this many times its written length
    double ornamentChance = 0.2; // chance that a long note slides onto its pitch
    double tremoloBeats = 0.0;   // lead notes at least this long become a tremolo; 0 never
    float droneLevel = 1.0f;
};

} // namespace assetgen::audio
