#pragma once

#include <functional>
#include <string>

#include "app/InputReceiver.h"
#include "core/GameFolders.h"
#include "core/Input.h"
#include "game/screens/SettingsDialog.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/Button.h"
#include "widgets/TextTable.h"
#include "widgets/WindowFrame.h"

namespace app {
class Timers;
class WindowCommands;
} // namespace app
namespace platform {
class TextRenderer;
}

namespace game {

// The main menu in its window frame: the background, the running logo, the start, settings,
// leave and leaderboard buttons, the table of best results and the settings dialog over them.
// It reports what the player chose through its callbacks and switches no screen itself. The
// frame's title bar and the settings dialog take their input as receivers of their own.
class MainMenu : public app::InputReceiver {
public:
    // Images come from the game folder, the table from the player's. The logo runs on
    // `timers`, the title bar and the settings dialog send their commands to `window`, and the
    // table is drawn with `text`; all must outlive the menu.
    MainMenu(const core::GameFolders& folders, const PlayerSettings& settings, app::Timers& timers,
             app::WindowCommands& window, platform::TextRenderer& text);
    ~MainMenu();

    // Appends the menu's frame to `root`, hidden.
    void AttachTo(scene::Element& root);
    void DetachFrom(scene::Element& root);

    // Loads the frame, the buttons, the table and the logo, and starts the logo.
    void Load(const ImageSource& images);
    // Loads the settings dialog, hidden.
    void LoadSettings(const ImageSource& images);

    void Show(bool shown);
    // The window went to the task bar or came back. The logo runs only while it can be seen.
    void SetWindowShown(bool shown);
    // The table read afresh from the results file, shown.
    void ShowLeaderboard();

    // The buttons and the table: any press hides the table; a press on a button plays the
    // click and its release runs the button's command, which consumes the release.
    bool Handle(const core::Input& event) override;
    bool Shown() const override { return frame.ShownInTree(); }

    std::function<void()> onStart;
    std::function<void()> onLeave;
    // A button took a press, here or in the settings dialog.
    std::function<void()> onClick;
    // The settings dialog's volume levels.
    std::function<void(int effects, int music)> onVolumes;

private:
    const core::GameFolders& folders;

public:
    widgets::WindowFrame frame;
    bool menuShown = false;
    bool windowShown = true;
    widgets::AnimatedPicture logo;
    widgets::Button settingsButton;
    widgets::Button leaveButton;
    widgets::Button startButton;
    widgets::Button leaderboardButton;
    widgets::TextTable leaderboardTable;
    SettingsDialog settingsDialog;

private:
    void Press(int x, int y);
    bool Release(int x, int y);
    void Hover(int x, int y);
    void LoadLeaderboard(const ImageSource& images);
    void LoadLogo(const ImageSource& images);
};

} // namespace game
