#include "MusicTrack.h"

#include "Composer.h"

namespace assetgen::audio {

namespace {

// "begin": the menu. Slow and calm, a zither over held fifths and a low drone.
MusicTrack MenuTrack() {
    MusicTrack track;
    track.path = "Music/begin.mp3";
    track.seed = 0x7A3C19E5u;
    CompositionStyle& style = track.style;
    style.tempo = 66.0;
    style.bars = 16;
    style.mode = PentatonicMode::Gong;
    style.tonicMidi = 62; // D
    style.rhythms = {{4, 4}, {2, 2, 4}, {3, 1, 4}, {2, 6}, {4, 2, 2}, {2, 2, 2, 2}, {2, 1, 1, 4}};
    style.accompaniment = Accompaniment::Sustained;
    style.ornamentChance = 0.3;
    track.mix.reverb = {0.7, 0.45, 0.03};
    track.mix.reverbMix = 0.3f;
    track.mix.echoMix = 0.12f;
    track.mix.echoSeconds = 0.75 * 60.0 / style.tempo;
    track.mix.targetRms = 0.085f;
    return track;
}

// "board1": flowing. Zither melody in eighths over rolling broken chords.
MusicTrack FlowingTrack() {
    MusicTrack track;
    track.path = "Music/board1.mp3";
    track.seed = 0x51D2E0B7u;
    CompositionStyle& style = track.style;
    style.tempo = 84.0;
    style.bars = 20;
    style.mode = PentatonicMode::Shang;
    style.tonicMidi = 64; // E, on the gong scale of D
    style.rhythms = {{2, 2, 2, 2}, {1, 1, 2, 2, 2},    {3, 1, 2, 2},
                     {2, 1, 1, 4}, {1, 1, 1, 1, 2, 2}, {2, 2, 4}};
    style.accompaniment = Accompaniment::Arpeggio;
    style.drums = DrumPart::Pulse;
    style.ornamentChance = 0.2;
    style.droneLevel = 0.7f;
    track.mix.reverb = {0.6, 0.4, 0.02};
    track.mix.reverbMix = 0.24f;
    track.mix.echoMix = 0.1f;
    track.mix.echoSeconds = 0.75 * 60.0 / style.tempo;
    track.mix.targetRms = 0.095f;
    return track;
}

// "board2": lively. Pipa with tremolo on long notes, a plucked bass, frame drum and wood block.
MusicTrack LivelyTrack() {
    MusicTrack track;
    track.path = "Music/board2.mp3";
    track.seed = 0xC0FFEE21u;
    CompositionStyle& style = track.style;
    style.tempo = 112.0;
    style.bars = 24;
    style.mode = PentatonicMode::Zhi;
    style.tonicMidi = 67; // G, on the gong scale of C
    style.lowStep = -2;
    style.highStep = 7;
    style.lead = Instrument::Pipa;
    style.rhythms = {{1, 1, 2, 1, 1, 2}, {2, 1, 1, 2, 2}, {1, 1, 1, 1, 2, 2},
                     {3, 1, 3, 1},       {2, 2, 1, 1, 2}, {2, 2, 4}};
    style.accompaniment = Accompaniment::Bass;
    style.accompanimentOctave = -2;
    style.drums = DrumPart::Groove;
    style.legato = 1.0;
    style.tremoloBeats = 2.0;
    style.droneLevel = 0.5f;
    track.mix.reverb = {0.45, 0.5, 0.01};
    track.mix.reverbMix = 0.16f;
    track.mix.targetRms = 0.1f;
    return track;
}

// "board3": pensive. Slow zither in the yu mode, bent notes and vibrato, a deep heartbeat.
MusicTrack PensiveTrack() {
    MusicTrack track;
    track.path = "Music/board3.mp3";
    track.seed = 0x2B7F4A93u;
    CompositionStyle& style = track.style;
    style.tempo = 58.0;
    style.bars = 16;
    style.mode = PentatonicMode::Yu;
    style.tonicMidi = 57; // A, on the gong scale of C
    style.lowStep = 0;
    style.highStep = 9;
    style.rhythms = {{6, 2}, {4, 4}, {3, 1, 4}, {2, 2, 4}, {4, 2, 2}, {2, 1, 1, 4}};
    style.accompaniment = Accompaniment::Sparse;
    style.drums = DrumPart::Pulse;
    style.legato = 1.6;
    style.ornamentChance = 0.45;
    track.mix.reverb = {0.8, 0.5, 0.04};
    track.mix.reverbMix = 0.36f;
    track.mix.echoMix = 0.08f;
    track.mix.echoSeconds = 0.5 * 60.0 / style.tempo;
    track.mix.targetRms = 0.08f;
    return track;
}

} // namespace

StereoBuffer MusicTrack::Render() const {
    Composer composer(style, seed);
    const Score score = composer.Compose();
    // The sound's own randomness (the pluck bursts) draws from a second stream, so a change
    // of timbre does not rewrite the notes.
    Prng rng(seed ^ 0x9E3779B97F4A7C15ull);
    return Mixer(mix).Render(score, rng);
}

std::vector<MusicTrack> MusicTrack::GameTracks() {
    return {MenuTrack(), FlowingTrack(), LivelyTrack(), PensiveTrack()};
}

} // namespace assetgen::audio
