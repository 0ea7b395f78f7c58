// Any bytes as a sound file, through the mixer backend the game plays with: opening, decoding
// and playing must neither crash nor leak; a file that does not decode gives a silent player.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/sdl/SdlMixerAudioBackend.h"

namespace {

std::string folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    char pattern[] = "/tmp/fuzz-audio-XXXXXX";
    folder = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the name, so both the MP3 and the WAV paths of the game are tried;
    // the rest is the file.
    const std::string path = folder + ((data[0] & 1) != 0 ? "/track.mp3" : "/click.wav");
    if (!platform::WriteFileAtomically(
            path, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1))) {
        return 0;
    }
    // A backend per input: it decodes each file once and keeps it.
    const auto backend = std::make_unique<platform::SdlMixerAudioBackend>();
    const platform::AudioHandle player = backend->Open(path);
    backend->SetVolume(player, -500);
    backend->PlayFromStart(player);
    backend->WaitForDecoding();
    backend->Stop(player);
    backend->Release(player);
    return 0;
}
