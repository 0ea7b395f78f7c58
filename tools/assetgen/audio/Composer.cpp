#include "Composer.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <numbers>

namespace assetgen::audio {

namespace {

constexpr int kBeatsPerBar = 4;
constexpr int kBarsPerPhrase = 4;
constexpr int kBeatsPerPhrase = kBeatsPerBar * kBarsPerPhrase;
constexpr double kTimingJitterSeconds = 0.005;

bool IsHalfCadence(int phrase, int phrases) {
    // Opening and contrasting phrases end on the fifth, their answers on the tonic.
    return phrase != phrases - 1 && phrase % 2 == 0;
}

// Accompaniment figures: when in the bar (eighths), which chord tone (root, fifth, octave,
// fifth above the octave), how long it rings (eighths) and how hard.
struct Figure {
    int eighth;
    int tone;
    int ringEighths;
    float velocity;
};

const std::vector<Figure>& FigureFor(Accompaniment accompaniment) {
    static const std::vector<Figure> kSustained = {
        {0, 0, 8, 0.55f}, {0, 1, 8, 0.38f}, {4, 2, 4, 0.32f}};
    static const std::vector<Figure> kArpeggio = {
        {0, 0, 6, 0.55f}, {1, 1, 5, 0.38f}, {2, 2, 4, 0.4f},  {3, 1, 3, 0.34f},
        {4, 3, 4, 0.38f}, {5, 1, 3, 0.34f}, {6, 2, 2, 0.36f}, {7, 1, 2, 0.32f}};
    static const std::vector<Figure> kBass = {
        {0, 0, 3, 0.65f}, {3, 1, 2, 0.45f}, {4, 2, 2, 0.5f}, {6, 1, 2, 0.42f}};
    static const std::vector<Figure> kSparse = {{0, 0, 8, 0.5f}, {4, 1, 4, 0.28f}};
    switch (accompaniment) {
    case Accompaniment::Sustained:
        return kSustained;
    case Accompaniment::Arpeggio:
        return kArpeggio;
    case Accompaniment::Bass:
        return kBass;
    case Accompaniment::Sparse:
        break;
    }
    return kSparse;
}

} // namespace

Composer::Composer(const CompositionStyle& style, std::uint64_t seed)
    : style(style), scale(style.mode, style.tonicMidi), rng(seed) {
    assert(style.bars > 0 && style.bars % kBarsPerPhrase == 0);
    secondsPerBeat = 60.0 / style.tempo;
}

double Composer::SecondsAt(double beat) const {
    return kLeadInSeconds + beat * secondsPerBeat;
}

float Composer::Phrasing(double beat) const {
    const double x = std::fmod(beat, double(kBeatsPerPhrase)) / kBeatsPerPhrase;
    return static_cast<float>(0.08 * std::sin(std::numbers::pi * x) - 0.04);
}

NoteEvent* Composer::Add(Instrument instrument, double beat, double holdBeats, double frequency,
                         float velocity, float pan) {
    constexpr double kShortestHold = 0.05;
    NoteEvent note;
    note.instrument = instrument;
    note.start = std::max(0.0, SecondsAt(beat) + kTimingJitterSeconds * rng.Symmetric());
    const double fade = instrument == Instrument::Drone ? kDroneReleaseSeconds : 0.0;
    const double latest = score.seconds - kSeamGuardSeconds - fade - note.start;
    if (latest < kShortestHold) {
        return nullptr;
    }
    note.hold = std::clamp(holdBeats * secondsPerBeat, kShortestHold, latest);
    note.frequency = frequency;
    note.velocity = std::clamp(velocity + 0.04f * static_cast<float>(rng.Symmetric()), 0.05f, 1.0f);
    note.pan = pan;
    score.notes.push_back(note);
    return &score.notes.back();
}

std::vector<Composer::Phrase> Composer::Form() const {
    const int phrases = style.bars / kBarsPerPhrase;
    std::vector<Phrase> form;
    for (int p = 0; p < phrases; ++p) {
        if (p == phrases - 1 && p > 0) {
            form.push_back(Phrase::Closing);
        } else if (p < 2) {
            form.push_back(p == 0 ? Phrase::Opening : Phrase::Answer);
        } else {
            form.push_back(p % 2 == 0 ? Phrase::Contrast : Phrase::ContrastAnswer);
        }
    }
    return form;
}

void Composer::WriteMelody(const std::vector<Phrase>& form, std::vector<MelodyNote>& melody) {
    MelodyWriter writer(style, scale, rng);
    std::vector<MelodyNote> motifs[2]; // the opening's first two bars, the contrast's
    int step = 0;
    for (std::size_t p = 0; p < form.size(); ++p) {
        const bool contrast = form[p] == Phrase::Contrast || form[p] == Phrase::ContrastAnswer;
        const int low = style.lowStep + (contrast ? 3 : 0);
        const int high = style.highStep + (contrast ? 2 : 0);
        const double start = double(kBeatsPerPhrase) * p;
        std::vector<MelodyNote>& motif = motifs[contrast ? 1 : 0];
        if (motif.empty()) {
            step = contrast ? high - 2 : low + 2;
            const int landing = std::array{1, 2, 4}[rng.Below(3)];
            writer.Write(2, start, low, high, landing, false, step, motif);
            for (MelodyNote& note : motif) {
                note.beat -= start;
            }
        }
        // The motif returns with now and then one note moved a step.
        const int changed = rng.Chance(0.4) ? rng.Below(static_cast<int>(motif.size())) : -1;
        for (std::size_t i = 0; i < motif.size(); ++i) {
            MelodyNote note = motif[i];
            note.beat += start;
            note.step += int(i) == changed ? (rng.Chance(0.5) ? 1 : -1) : 0;
            melody.push_back(note);
        }
        step = melody.back().step;
        const bool half = IsHalfCadence(int(p), int(form.size()));
        writer.Write(2, start + 8.0, low, high, half ? scale.FifthStep() : 0,
                     form[p] == Phrase::Closing, step, melody);
    }
}

void Composer::AddSweep(double beat, int toStep) {
    // A quick run up the scale into the first note of a phrase, as a zither player sweeps
    // the strings.
    constexpr int kNotes = 6;
    constexpr double kSpacingSeconds = 0.035;
    const double arrival = SecondsAt(beat) - 0.04;
    for (int i = 0; i < kNotes; ++i) {
        const double at = arrival - (kNotes - i) * kSpacingSeconds;
        const double beatAt = (at - kLeadInSeconds) / secondsPerBeat;
        Add(Instrument::Zither, beatAt, 0.8, scale.Frequency(toStep - kNotes + i),
            0.18f + 0.05f * i, -0.4f + 0.1f * i);
    }
}

void Composer::AddLeadNote(const MelodyNote& note) {
    const double frequency = scale.Frequency(note.step);
    const bool downbeat = std::fmod(note.beat, double(kBeatsPerBar)) == 0.0;
    const bool onBeat = std::fmod(note.beat, 1.0) == 0.0;
    const float velocity = 0.6f + (downbeat ? 0.1f : onBeat ? 0.04f : 0.0f) + Phrasing(note.beat);
    const float pan = -0.12f;
    const bool closing = note.beat >= kBeatsPerBar * (style.bars - 1);
    if (style.tremoloBeats > 0.0 && note.beats >= style.tremoloBeats && !closing) {
        // Tremolo: the long note is picked again and again in sixteenths; the closing note is
        // left to ring out instead.
        for (double t = 0.0; t < note.beats - 0.2; t += 0.25) {
            const float again = velocity * (0.55f + 0.08f * static_cast<float>(rng.Symmetric()));
            Add(style.lead, note.beat + t, 0.4, frequency, t == 0.0 ? velocity : again, pan);
        }
        return;
    }
    NoteEvent* event =
        Add(style.lead, note.beat, note.beats * style.legato, frequency, velocity, pan);
    if (event == nullptr || style.lead != Instrument::Zither) {
        return;
    }
    if (note.beats >= 2.0) {
        event->vibratoCents = static_cast<float>(9.0 + 6.0 * rng.Uniform());
    }
    if (note.beats >= 1.5 && rng.Chance(style.ornamentChance)) {
        // Pressing the string from the scale note below up to this one.
        event->glideCents = -100.0f * float(scale.Midi(note.step) - scale.Midi(note.step - 1));
    }
    if (std::fmod(note.beat + note.beats, double(kBeatsPerPhrase)) == 0.0) {
        // Phrase ends are doubled an octave below.
        Add(Instrument::Zither, note.beat, note.beats * style.legato, frequency / 2.0,
            velocity * 0.45f, 0.2f);
    }
}

void Composer::AddAccompanimentBar(int bar, int root, bool closing) {
    const int shifted = root + 5 * style.accompanimentOctave;
    const int tones[4] = {shifted, scale.FifthAbove(shifted), shifted + 5,
                          scale.FifthAbove(shifted) + 5};
    for (const Figure& figure : FigureFor(style.accompaniment)) {
        if (closing && (figure.eighth != 0)) {
            continue; // the last bar only sounds its downbeat, left to ring out
        }
        const double ring = closing ? double(kBeatsPerBar) : figure.ringEighths / 2.0;
        Add(Instrument::BassZither, kBeatsPerBar * bar + figure.eighth / 2.0, ring,
            scale.Frequency(tones[figure.tone]), figure.velocity + Phrasing(kBeatsPerBar * bar),
            0.25f);
    }
}

void Composer::AddAccompaniment(const std::vector<Phrase>& form) {
    const int fifthBelow = scale.FifthStep() - 5;
    for (std::size_t p = 0; p < form.size(); ++p) {
        const int roots[kBarsPerPhrase] = {
            0,
            std::array{0, -1, 2}[rng.Below(3)],
            std::array{fifthBelow, -2, 1}[rng.Below(3)],
            IsHalfCadence(int(p), int(form.size())) ? fifthBelow : 0,
        };
        for (int b = 0; b < kBarsPerPhrase; ++b) {
            const int bar = int(p) * kBarsPerPhrase + b;
            AddAccompanimentBar(bar, roots[b], bar == style.bars - 1);
        }
    }
}

void Composer::AddDrone() {
    // The tonic in the octave from C2 up, with its fifth softly above, one swell per phrase
    // overlapping the next.
    int step = 0;
    while (scale.Midi(step) >= 48) {
        step -= 5;
    }
    const int phrases = style.bars / kBarsPerPhrase;
    const double overlapBeats = 1.0 / secondsPerBeat;
    for (int p = 0; p < phrases; ++p) {
        const double beat =
            p == 0 ? -kLeadInSeconds / secondsPerBeat : kBeatsPerPhrase * p - overlapBeats;
        const double hold = kBeatsPerPhrase + 2.0 * overlapBeats;
        const float level = 0.8f * style.droneLevel;
        Add(Instrument::Drone, beat, hold, scale.Frequency(step), level, 0.0f);
        Add(Instrument::Drone, beat, hold, scale.Frequency(scale.FifthAbove(step)), 0.45f * level,
            0.0f);
    }
}

void Composer::AddGrooveBar(int bar, bool phraseEnd, bool closing) {
    const auto at = [bar](int sixteenth) { return kBeatsPerBar * bar + sixteenth / 4.0; };
    constexpr double kLowDrum = 82.0;
    constexpr double kHighDrum = 112.0;
    constexpr double kHighBlock = 1250.0;
    constexpr double kLowBlock = 880.0;
    Add(Instrument::FrameDrum, at(0), 1.0, kLowDrum, 0.85f, -0.1f);
    if (closing) {
        // A held beat, then two taps that lead back into the opening.
        Add(Instrument::WoodBlock, at(10), 0.5, kLowBlock, 0.35f, 0.35f);
        Add(Instrument::WoodBlock, at(12), 0.5, kHighBlock, 0.45f, 0.35f);
        return;
    }
    Add(Instrument::FrameDrum, at(8), 1.0, kLowDrum, 0.6f, -0.1f);
    Add(Instrument::FrameDrum, at(rng.Chance(0.5) ? 6 : 10), 0.5, kHighDrum, 0.35f, -0.2f);
    for (int s = 1; s < 16; ++s) {
        if (s % 4 != 0 && rng.Chance(0.08)) {
            Add(Instrument::FrameDrum, at(s), 0.5, kHighDrum, 0.18f, -0.2f); // ghost notes
        }
    }
    const int lastBlock = phraseEnd ? 10 : 14;
    for (int s = 2; s <= lastBlock; s += 4) {
        if (!rng.Chance(0.15)) {
            Add(Instrument::WoodBlock, at(s), 0.5, kHighBlock, 0.42f, 0.35f);
        }
        if ((s == 4 || s == 12) && rng.Chance(0.5)) {
            Add(Instrument::WoodBlock, at(s), 0.5, kLowBlock, 0.3f, 0.35f);
        }
    }
    if (phraseEnd) {
        for (int s = 12; s < 16; ++s) {
            Add(Instrument::WoodBlock, at(s), 0.5, kHighBlock, 0.3f + 0.08f * (s - 12), 0.35f);
        }
        Add(Instrument::FrameDrum, at(14), 1.0, kHighDrum, 0.5f, -0.2f);
    }
}

void Composer::AddPulseBar(int bar, bool closing) {
    constexpr double kDeepDrum = 70.0;
    Add(Instrument::FrameDrum, kBeatsPerBar * bar, 2.0, kDeepDrum, 0.36f, 0.0f);
    if (!closing && rng.Chance(0.4)) {
        Add(Instrument::FrameDrum, kBeatsPerBar * bar + 2.0, 2.0, kDeepDrum, 0.2f, 0.0f);
    }
}

Score Composer::Compose() {
    score = Score{};
    score.seconds = style.bars * kBeatsPerBar * secondsPerBeat;
    const std::vector<Phrase> form = Form();
    std::vector<MelodyNote> melody;
    WriteMelody(form, melody);
    for (const MelodyNote& note : melody) {
        AddLeadNote(note);
    }
    if (style.lead == Instrument::Zither) {
        for (std::size_t p = 0; p < form.size(); ++p) {
            if (form[p] == Phrase::Opening || form[p] == Phrase::Contrast) {
                const double beat = double(kBeatsPerPhrase) * p;
                const auto first =
                    std::find_if(melody.begin(), melody.end(),
                                 [beat](const MelodyNote& n) { return n.beat >= beat; });
                assert(first != melody.end());
                AddSweep(beat, first->step);
            }
        }
    }
    AddAccompaniment(form);
    if (style.droneLevel > 0.0f) {
        AddDrone();
    }
    for (int bar = 0; bar < style.bars; ++bar) {
        const bool closing = bar == style.bars - 1;
        if (style.drums == DrumPart::Groove) {
            AddGrooveBar(bar, bar % kBarsPerPhrase == kBarsPerPhrase - 1, closing);
        } else if (style.drums == DrumPart::Pulse) {
            AddPulseBar(bar, closing);
        }
    }
    return score;
}

} // namespace assetgen::audio
