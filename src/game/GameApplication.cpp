#include "game/GameApplication.h"

#include "audio/MusicPlayer.h"
#include "audio/SoundManager.h"
#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/screens/TitleBar.h"
#include "gfx/Display.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/ProcessMemory.h"
#include "platform/Window.h"
#include "puzzle/Board.h"

namespace game {

GameApplication::GameApplication(const GameContext& context)
    : app::Application(context.Platform(), context.Folders(), context.Settings()),
      play(context.Folders()),
      boardScreen(context.Folders(), play, context.Platform().Opener(), context.Text(),
                  context.Platform().GetClock(), &context.Platform().GetClock()),
      boardFrame(*this), folders(context.Folders()), settings(context.Settings()),
      audioOutput(context.Audio()), menu(folders, settings, *this, *this, context.Text()),
      webBand(settings, context.Platform().Opener()) {
    // A save killed half-way leaves its temporary file beside the real one; nothing reads it.
    for (const char* saved : core::GameFolders::kPlayerFiles) {
        platform::RemoveStaleTemporaries(folders.Player(), saved);
    }
    screenState = kMainMenu;
    play.Restore();
    SetSize(800, 600);
    BuildSceneTree();
    WireScreens();
    DeclareInputOrder();
}

GameApplication::~GameApplication() {
    musicPlayer.reset();
    DestroySoundManager();
    // The screens are members and die before the Application part, which still walks its
    // children when it releases the display; the return button dies before the board screen
    // it belongs to.
    boardScreen.RemoveChild(&returnButton);
    RemoveChild(&loadingPicture);
    menu.DetachFrom(*this);
    RemoveChild(&boardFrame);
}

void GameApplication::BuildSceneTree() {
    AddChild(&loadingPicture);
    loadingPicture.AddChild(&loadingBar);

    menu.AttachTo(*this);
    boardFrame.SetSize(800, 600);
    AddChild(&boardFrame);
    boardFrame.SetVisibleAll(0);

    boardFrame.AddChild(&boardScreen);
    // Overlays are drawn in this order: the name entry over the board, the dim picture over
    // both, the leave dialog on top of everything it pauses.
    boardFrame.AddOverlay(&boardScreen.Entry());
    boardFrame.AddOverlay(&boardScreen.Overlay());
    boardFrame.AddOverlay(&leaveDialog);
    boardScreen.AddChild(&returnButton);
}

void GameApplication::WireScreens() {
    const auto close = [this] { PostEvent(platform::Event::Of(platform::EventKind::Close)); };
    menu.onStart = [this] { StartGame(); };
    menu.onLeave = close;
    boardScreen.onExit = close;
    boardScreen.addCharListener = [this](app::CharListener* entry) { AddCharListener(entry); };
    menu.onClick = [this] { PlayClick(); };
    menu.onVolumes = [this](int effects, int music) { SetVolumes(effects, music); };
    boardScreen.onClick = [this] { PlayClick(); };
    leaveDialog.onStay = [this] { CloseLeaveDialog(); };
    leaveDialog.onLeave = [this] { ReturnToMenu(); };
    leaveDialog.onClick = [this] { PlayClick(); };
    controls.onCommand = [this](GameControls::Command command) { RunCommand(command); };
    controls.onClick = [this] { PlayClick(); };
    // A level won after a hint is cleared and recorded all the same, but earns no place in the
    // results.
    boardScreen.onWon = [this](const WinReport& report) { levelsWon += report.assisted ? 0 : 1; };
    boardScreen.timers.start = [this](int delayMs, const std::string& name) {
        AddTimer(delayMs, name, 0);
    };
    boardScreen.timers.stop = [this](const std::string& name) { KillTimer(name); };
    // Closed, not moved on to the next level.
    boardScreen.onWinClosed = [this] { boardScreen.OfferNameEntry(levelsWon); };
    // The game goes back to the menu shortly after.
    boardScreen.onEntryAnswered = [this] { AddTimer(100, "resetgame", 1); };
}

// The order input is offered in. The open leave dialog is modal over the board, yet the title
// bar, the web band and the game's own keys and return button still take input under it. The
// name entry is the board screen's own for now, offered with it.
void GameApplication::DeclareInputOrder() {
    SetInputOrder({
        {&leaveDialog},
        {&menu.settingsDialog},
        {&boardScreen, &leaveDialog},
        {&menu},
        {&menu.frame},
        {&boardFrame},
        {&webBand},
        {&controls},
    });
}

void GameApplication::RunCommand(GameControls::Command command) {
    switch (command) {
    case GameControls::Command::StartGame:
        StartGame();
        break;
    case GameControls::Command::ToggleLeaveDialog:
        ToggleLeaveDialog();
        break;
    case GameControls::Command::ReturnToMenu:
        ReturnToMenu();
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Sound and music

void GameApplication::ResetSoundManager() {
    DestroySoundManager();
    soundManager = std::make_unique<audio::SoundManager>(audioOutput, folders.Game());
}

void GameApplication::DestroySoundManager() {
    // The music's tracks are listed in the manager's mixer: they go first.
    musicPlayer.reset();
    soundManager.reset();
}

void GameApplication::OnGraphNotify() {
    if (soundManager) {
        soundManager->OnGraphNotify();
    }
}

// Without a sound manager there is nothing to play or set.
void GameApplication::PlayClick() {
    if (soundManager) {
        soundManager->PlayClick();
    }
}

void GameApplication::SetVolumes(int effects, int music) {
    if (soundManager) {
        soundManager->Mixer().SetEffectsLevel(effects);
        soundManager->Mixer().SetMusicLevel(music);
    }
}

void GameApplication::ReplaceMusicPlayer() {
    musicPlayer.reset();
    if (soundManager) {
        musicPlayer =
            std::make_unique<audio::MusicPlayer>(audioOutput, folders.Game(), *soundManager);
    }
}

void GameApplication::PlayMenuMusic() {
    if (musicPlayer) {
        musicPlayer->PlayMenuTrack();
        musicPlayer->StopBoardTrack();
    }
}

// ---------------------------------------------------------------------------------------------
// Loading

void GameApplication::OnDisplayReady() {
    // Called only once a display is set up.
    LoadScreens(ImageSource{*GetDisplay(), folders.Game()});
}

void GameApplication::GrowLoadingBar(int width) {
    loadingBar.SetSize(width, loadingBar.height);
}

void GameApplication::LoadScreens(const ImageSource& images) {
    // The loading frames show progress only; they go out as soon as they are drawn.
    images.display.SetPacing(false);
    LoadPlaced(loadingPicture, Layout::Of(Image::Loading), images);
    LoadPlaced(loadingBar, Layout::Of(Image::LoadingBar), images);
    loadingBar.SetSize(1, loadingBar.height);
    loadingPicture.SetVisible(1);
    RenderOnce();

    ReplaceMusicPlayer();
    RenderOnce();

    menu.Load(images);
    const unsigned barWidth = static_cast<unsigned>(loadingBar.imageWidth);
    GrowLoadingBar(static_cast<int>(barWidth >> 2));
    BuildBoardChrome(images);
    RenderOnce();

    GrowLoadingBar(static_cast<int>(barWidth >> 1));
    menu.LoadSettings(images);
    RenderOnce();

    GrowLoadingBar(static_cast<int>((barWidth * 3) >> 2));
    leaveDialog.Load(images);
    RenderOnce();

    GrowLoadingBar(static_cast<int>(barWidth));
    loadingPicture.SetVisible(0);
    RenderOnce();

    RestoreScreen();
    images.display.SetPacing(true);
    RenderOnce();
    // Once the first frame of the screen is out: the level pages not shown are made compact, and
    // what loading and that freed goes back to the system.
    boardScreen.LevelList().ShelveHiddenPages();
    images.display.FinishLoading();
    platform::ReturnFreeMemory();
}

void GameApplication::RestoreScreen() {
    if (screenState == kMainMenu) {
        menu.Show(true);
        if (musicPlayer) {
            musicPlayer->PlayMenuTrack();
        }
        leaveDialog.SetVisible(0);
        boardScreen.SetVisible(0);
        boardFrame.SetVisibleAll(0);
        return;
    }
    menu.Show(false);
    boardFrame.SetVisibleAll(1);
    boardScreen.SetVisible(1);
    if (musicPlayer) {
        musicPlayer->ResumeBoardTrack();
    }
    boardFrame.SetAlpha(boardFrame.alpha);
    leaveDialog.SetVisible(leaveDialog.visible);
    FocusNameEntry();
}

void GameApplication::FocusNameEntry() {
    // Under the leave dialog the entry takes no characters and shows no caret.
    boardScreen.Entry().nameField.SetFocused(leaveDialog.visible ? 0 : 1);
}

void GameApplication::BuildBoardChrome(const ImageSource& images) {
    boardFrame.SetVisibleAll(0);
    LoadTitleBar(boardFrame, images);
    boardScreen.BuildBoardScreen(images);
    LoadPlaced(returnButton, Layout::Of(Image::ReturnButton), images);
}

// ---------------------------------------------------------------------------------------------
// Screen switches

void GameApplication::StartGame() {
    menu.Show(false);
    boardFrame.SetVisibleAll(1);
    boardScreen.SetVisible(1);
    if (musicPlayer) {
        musicPlayer->StopMenuTrack();
        musicPlayer->PlayRandomBoardTrack();
    }
    menu.frame.SetAlpha(255);
    screenState = kPlaying;
    boardScreen.StartAttempt();
    levelsWon = 0;
}

void GameApplication::ShowMenuScreen() {
    menu.Show(true);
    boardFrame.SetVisibleAll(0);
}

void GameApplication::ReturnToMenu() {
    ShowMenuScreen();
    leaveDialog.SetVisible(0);
    // Leaving abandons a name entry, as its cancel button would.
    boardScreen.Entry().SetVisible(0);
    boardFrame.SetAlpha(255);
    PlayMenuMusic();
    screenState = kMainMenu;
    KillAllTimers();
    menu.logo.Start();
    boardScreen.Overlay().SetVisible(0);
}

void GameApplication::ReturnFromNameEntry() {
    ShowMenuScreen();
    boardScreen.SetVisible(0);
    screenState = kMainMenu;
    PlayMenuMusic();
    KillAllTimers();
    menu.logo.Start();
    menu.ShowLeaderboard();
}

// ---------------------------------------------------------------------------------------------
// Timed events

void GameApplication::OnTimerEvent(std::string name) {
    boardScreen.HandleTimerEvent(name);
    if (name == "resetgame") {
        ReturnFromNameEntry();
    }
}

void GameApplication::OnDeactivate() {
    if (boardFrame.visible) {
        ToggleLeaveDialog();
    }
}

// ---------------------------------------------------------------------------------------------
// The leave dialog

void GameApplication::ToggleLeaveDialog() {
    if (!leaveDialog.visible) {
        leaveDialog.SetVisible(1);
        savedState = screenState;
        screenState = kLeaveDialogOpen;
        boardScreen.Overlay().SetVisible(1);
        FocusNameEntry();
        return;
    }
    CloseLeaveDialog();
    boardFrame.SetAlpha(255);
}

void GameApplication::CloseLeaveDialog() {
    leaveDialog.SetVisible(0);
    screenState = savedState;
    boardScreen.Overlay().SetVisible(0);
    FocusNameEntry();
}

} // namespace game
