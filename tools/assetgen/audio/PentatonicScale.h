#pragma once

namespace assetgen::audio {

// The five Chinese pentatonic modes, named after the degree of the gong scale that is their
// tonic.
enum class PentatonicMode { Gong, Shang, Jiao, Zhi, Yu };

// Notes of a pentatonic mode counted in scale steps from its tonic: step 0 is the tonic, step
// 5 the tonic an octave higher, negative steps lie below.
class PentatonicScale {
public:
    PentatonicScale(PentatonicMode mode, int tonicMidi);

    // MIDI note number of `step`.
    int Midi(int step) const;
    // Hz of `step`, equal temperament at A4 = 440 Hz.
    double Frequency(int step) const;
    static double MidiFrequency(double midi);
    // The step a fifth above the tonic, or the fourth where the mode has no fifth (jiao).
    int FifthStep() const { return fifthStep; }
    // The note a fifth above `step` when the scale has it, else the octave.
    int FifthAbove(int step) const;
    // Tonic, fifth and octaves of both: the notes a phrase can rest on.
    bool IsStable(int step) const;

private:
    int tonic = 60;
    int intervals[5] = {};
    int fifthStep = 3;
};

} // namespace assetgen::audio
