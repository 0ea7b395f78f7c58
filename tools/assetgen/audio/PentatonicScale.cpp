#include "PentatonicScale.h"

#include <cmath>

namespace assetgen::audio {

namespace {

// Semitones of the gong scale: do re mi sol la.
constexpr int kGong[5] = {0, 2, 4, 7, 9};

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

PentatonicScale::PentatonicScale(PentatonicMode mode, int tonicMidi) : tonic(tonicMidi) {
    const int degree = static_cast<int>(mode);
    for (int i = 0; i < 5; ++i) {
        intervals[i] = (kGong[(degree + i) % 5] - kGong[degree] + 12) % 12;
    }
    fifthStep = 0;
    for (int i = 1; i < 5 && fifthStep == 0; ++i) {
        fifthStep = intervals[i] == 7 ? i : 0;
    }
    for (int i = 1; i < 5 && fifthStep == 0; ++i) {
        fifthStep = intervals[i] == 5 ? i : 0;
    }
}

int PentatonicScale::Midi(int step) const {
    const int octave = FloorDiv(step, 5);
    return tonic + 12 * octave + intervals[step - 5 * octave];
}

double PentatonicScale::Frequency(int step) const {
    return MidiFrequency(Midi(step));
}

double PentatonicScale::MidiFrequency(double midi) {
    return 440.0 * std::exp2((midi - 69.0) / 12.0);
}

int PentatonicScale::FifthAbove(int step) const {
    for (int up = 1; up <= 4; ++up) {
        if (Midi(step + up) - Midi(step) == 7) {
            return step + up;
        }
    }
    return step + 5;
}

bool PentatonicScale::IsStable(int step) const {
    const int inOctave = step - 5 * FloorDiv(step, 5);
    return inOctave == 0 || inOctave == fifthStep;
}

} // namespace assetgen::audio
