#include "game/GameContext.h"

#include "platform/Platform.h"
#include "platform/Window.h"

namespace game {

GameContext::GameContext(platform::Platform& platform, platform::AudioBackend* audioBackend)
    : GameContext(platform, audioBackend, platform.ExecutablePath(),
                  core::GameFolders::ForExecutable(platform.ExecutablePath())) {}

GameContext::GameContext(platform::Platform& platform, platform::AudioBackend* audioBackend,
                         std::string executable, core::GameFolders folders)
    : platform(platform), executable(std::move(executable)), folders(std::move(folders)),
      settings(this->folders.SettingsFile()),
      // Audio failures are told in the game's window.
      audio(audioBackend,
            [&window = platform.GetWindow()](const std::string& text, const std::string& caption) {
                window.ShowMessageBox(text, caption);
            }) {}

platform::TextRenderer& GameContext::Text() const {
    return platform.Text();
}

} // namespace game
