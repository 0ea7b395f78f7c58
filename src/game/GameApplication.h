#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "game/GameContext.h"
#include "game/screens/BoardScreen.h"
#include "game/screens/SettingsDialog.h"
#include "scene/Picture.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/Button.h"
#include "widgets/DragPanel.h"
#include "widgets/TextTable.h"
#include "widgets/WindowFrame.h"

namespace puzzle {
class Board;
}
namespace audio {
class MusicPlayer;
class SoundManager;
} // namespace audio

namespace game {

// The game: the main menu and the board screen, each in its own window frame, the loading
// picture, the dialogs, the music, and the dispatch of input and timed events between them.
class GameApplication : public app::Application {
public:
    enum State : std::int32_t { kMainMenu = 0, kPlaying = 1, kLeaveDialogOpen = 3 };

    // The context must outlive the game.
    explicit GameApplication(const GameContext& context);
    ~GameApplication() override;

    void OnDisplayReady() override;
    void OnTimerEvent(std::string name) override;
    void OnInput(core::MouseEvent* event) override;
    void OnDeactivate() override;

    // Main menu to board screen with the current level.
    void StartGame();
    // Board screen to main menu.
    void ReturnToMenu();

    // What the tests look at.
    std::int32_t screenState = kMainMenu;
    std::int32_t savedState = kMainMenu;
    puzzle::Board& GetBoard() { return *board; }
    audio::MusicPlayer* Music() { return musicPlayer.get(); }
    int LevelsWonSinceStart() const { return levelsWon; }

    widgets::AnimatedPicture logo;
    widgets::WindowFrame mainFrame;
    widgets::Button settingsButton;
    widgets::Button leaveButton;
    widgets::Button startButton;
    SettingsDialog settingsDialog;
    BoardScreen boardScreen;
    widgets::WindowFrame boardFrame;
    widgets::Button returnButton;
    widgets::DragPanel leaveDialog;
    widgets::Button leaveYesButton;
    widgets::Button leaveNoButton;
    widgets::TextTable leaderboardTable;
    widgets::Button leaderboardButton;
    scene::Picture loadingPicture;
    scene::Picture loadingBar;

protected:
    void ResetSoundManager() override;
    void DestroySoundManager() override;
    void OnGraphNotify() override;

private:
    // A file of the game folder's "Graphic" folder.
    std::string GraphicPath(const char* folderAndFile) const;
    void LoadTitleBarButtons(widgets::WindowFrame& frame) const;
    void BuildSceneTree();
    void LoadScreens();
    void ReplaceMusicPlayer();
    void GrowLoadingBar(int width);
    void RestoreScreen();
    void BuildMainMenu();
    void BuildBoardChrome();
    void BuildSettingsDialog();
    void BuildLeaveDialog();
    void ShowLeaderboard();

    void OnMenuInput(core::MouseEvent& event);
    void OnBoardInput(core::MouseEvent& event);
    void OnBoardScreenMouse(core::MouseEvent& event);
    void OpenWebBand(const core::MouseEvent& event);
    void OnMouseDown(int x, int y);
    void OnMouseUp(int x, int y);
    void OnMouseMove(int x, int y);
    void ToggleLeaveDialog();
    void CloseLeaveDialog();
    void ShowMenuScreen();
    void PlayMenuMusic();
    void ReturnFromNameEntry();
    void OfferNameEntry();
    void FocusNameEntry();

    const core::GameFolders& folders;
    std::unique_ptr<puzzle::Board> board;
    std::unique_ptr<audio::MusicPlayer> musicPlayer;
    std::unique_ptr<audio::SoundManager> soundManager;
    // Levels won since the last StartGame: the score a name entry records.
    int levelsWon = 0;
};

} // namespace game
