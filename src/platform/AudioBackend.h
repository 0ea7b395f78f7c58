#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace platform {

// Names one opened file's player; 0 names none.
using AudioHandle = std::uint32_t;
constexpr AudioHandle kNoAudio = 0;

// Plays audio files, each through a player of its own; several may sound at once. A file that is
// missing or cannot be decoded still gets a player, which is silent and never ends. Calls come
// from the main thread; only the end notice may be called from another thread.
class AudioBackend {
public:
    // The loudest linear volume of the mixer.
    static constexpr int kMaxLinearVolume = 128;
    // The volume of level 0, the bottom of the game's scale: silent.
    static constexpr int kSilentHundredths = -5250;

    virtual ~AudioBackend() = default;

    // A player for the file at `path` (backslashes allowed); kNoAudio only when the backend
    // cannot make a player at all.
    virtual AudioHandle Open(std::string_view path) = 0;
    // Plays from the beginning, restarting a playing track. Ends not yet taken are dropped.
    virtual void PlayFromStart(AudioHandle handle) = 0;
    // Stops without reporting an end. Ends not yet taken are dropped, so a stopped track stays
    // stopped.
    virtual void Stop(AudioHandle handle) = 0;
    // Sets the volume in hundredths of a decibel (0 is full). A positive value is rejected:
    // false, and the volume stays as it was.
    virtual bool SetVolume(AudioHandle handle, int hundredths) = 0;
    // Stops the player and forgets it; the handle is invalid afterwards.
    virtual void Release(AudioHandle handle) = 0;

    // The function called, possibly on the audio thread, each time a player that asked for
    // notices plays to its end. It must only post a message.
    virtual void SetEndNotice(std::function<void()> notice) = 0;
    // Asks for the end notice for this player; false when no notice can be delivered.
    virtual bool NotifyOnEnd(AudioHandle handle) = 0;
    // Takes one end of playback recorded for the player; false when none is waiting.
    virtual bool TakeEnded(AudioHandle handle) = 0;

    // The mixer's linear volume 0..128 for hundredths of a decibel:
    // 128 * 10^(hundredths / 2000), rounded; 128 for 0 and above.
    static int LinearVolume(int hundredths);
};

} // namespace platform
