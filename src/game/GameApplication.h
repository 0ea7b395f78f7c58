#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "app/InputReceiver.h"
#include "game/GameContext.h"
#include "game/GameControls.h"
#include "game/Play.h"
#include "game/screens/BoardScreen.h"
#include "game/screens/LeaveDialog.h"
#include "game/screens/MainMenu.h"
#include "game/screens/WebBand.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/WindowFrame.h"

namespace audio {
class MusicPlayer;
class SoundManager;
} // namespace audio

namespace game {

// The game: builds the screens (the loading picture, the main menu, the board screen in its
// frame and the leave dialog), wires their reports to the switches between them, and keeps the
// board, the music and the screen state. The screens take their own input; this class declares
// once the order the application offers it in.
class GameApplication : public app::Application {
public:
    enum State : std::int32_t { kMainMenu = 0, kPlaying = 1, kLeaveDialogOpen = 3 };

    // The context must outlive the game.
    explicit GameApplication(const GameContext& context);
    ~GameApplication() override;

    void OnDisplayReady() override;
    void OnTimerEvent(std::string name) override;
    // Timed events are dropped while the leave dialog is open.
    bool TimedEventsHeld() const override { return screenState == kLeaveDialogOpen; }
    void OnDeactivate() override;

    // Main menu to board screen with the current level.
    void StartGame();
    // Board screen to main menu.
    void ReturnToMenu();

    // What the tests look at.
    std::int32_t screenState = kMainMenu;
    std::int32_t savedState = kMainMenu;
    const puzzle::Board& GetBoard() const { return play.GetBoard(); }
    audio::MusicPlayer* Music() { return musicPlayer.get(); }
    int LevelsWonSinceStart() const { return levelsWon; }
    const PersonalRecords& Records() const { return play.Records(); }

    MainMenu& Menu() { return menu; }
    LeaveDialog& Leave() { return leaveDialog; }

    // Made before the board screen, which reports to it.
    Play play;
    BoardScreen boardScreen;
    widgets::WindowFrame boardFrame;
    widgets::Button returnButton;
    scene::Picture loadingPicture;
    scene::Picture loadingBar;

protected:
    void ResetSoundManager() override;
    void DestroySoundManager() override;
    void OnGraphNotify() override;
    void OnWindowShown(bool shown) override { menu.SetWindowShown(shown); }

private:
    // A file of the game folder's "Graphic" folder.
    void BuildSceneTree();
    void WireScreens();
    void LoadScreens(const ImageSource& images);
    void ReplaceMusicPlayer();
    void PlayClick();
    void SetVolumes(int effects, int music);
    void GrowLoadingBar(int width);
    void RestoreScreen();
    void BuildBoardChrome(const ImageSource& images);

    void DeclareInputOrder();
    void RunCommand(GameControls::Command command);
    void ToggleLeaveDialog();
    void CloseLeaveDialog();
    void ShowMenuScreen();
    void PlayMenuMusic();
    void ReturnFromNameEntry();
    void FocusNameEntry();

    const core::GameFolders& folders;
    const PlayerSettings& settings;
    const audio::AudioOutput& audioOutput;
    MainMenu menu;
    LeaveDialog leaveDialog;
    std::unique_ptr<audio::MusicPlayer> musicPlayer;
    std::unique_ptr<audio::SoundManager> soundManager;
    // Levels won since the last StartGame: the score a name entry records.
    int levelsWon = 0;
    GameControls controls{menu, boardFrame, leaveDialog, returnButton};
    WebBand webBand;
};

} // namespace game
