#pragma once

#include <functional>
#include <string>

namespace platform {
class AudioBackend;
}

namespace audio {

// Where the game's players play and where they tell their failures: the audio backend, and the
// message box that shows a failure to the player. Main thread only.
class AudioOutput {
public:
    using MessageBoxFunction =
        std::function<void(const std::string& text, const std::string& caption)>;

    // Without a backend no player can be made; without a message box failures go to the trace.
    // The backend must outlive the output and every player made with it.
    AudioOutput(platform::AudioBackend* backend, MessageBoxFunction messageBox);

    platform::AudioBackend* Backend() const { return backend; }
    // Tells the player of a failure, in a message box captioned "Error".
    void ShowError(const std::string& text) const;

private:
    platform::AudioBackend* backend;
    MessageBoxFunction messageBox;
};

} // namespace audio
