#include "audio/AudioOutput.h"

#include <utility>

#include "core/Trace.h"

namespace audio {

namespace {

constexpr const char* kErrorCaption = "Error";

} // namespace

AudioOutput::AudioOutput(platform::AudioBackend* backend, MessageBoxFunction messageBox)
    : backend(backend), messageBox(std::move(messageBox)) {}

void AudioOutput::ShowError(const std::string& text) const {
    if (messageBox) {
        messageBox(text, kErrorCaption);
    } else {
        core::Trace("%s\n", text.c_str());
    }
}

} // namespace audio
