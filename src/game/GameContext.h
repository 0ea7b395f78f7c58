#pragma once

#include <string>

#include "audio/AudioOutput.h"
#include "core/GameFolders.h"
#include "game/PlayerSettings.h"

namespace platform {
class AudioBackend;
class Platform;
class TextRenderer;
} // namespace platform

namespace game {

// What main hands the game: the platform it runs on, the executable (for the install record),
// the folders its files live in, the player's settings, the audio output, whose failures are
// told in the platform's window, and the text renderer. It outlives the game.
class GameContext {
public:
    // The folders of the executable the platform reports. Without an audio backend the game
    // makes no players; the platform and the backend must outlive the context.
    GameContext(platform::Platform& platform, platform::AudioBackend* audioBackend);
    GameContext(platform::Platform& platform, platform::AudioBackend* audioBackend,
                std::string executable, core::GameFolders folders);

    platform::Platform& Platform() const { return platform; }
    const std::string& Executable() const { return executable; }
    const core::GameFolders& Folders() const { return folders; }
    // The player's set.ini.
    const PlayerSettings& Settings() const { return settings; }
    const audio::AudioOutput& Audio() const { return audio; }
    // The platform's text renderer.
    platform::TextRenderer& Text() const;

private:
    platform::Platform& platform;
    std::string executable;
    core::GameFolders folders;
    PlayerSettings settings;
    audio::AudioOutput audio;
};

} // namespace game
