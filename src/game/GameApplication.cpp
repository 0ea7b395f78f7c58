#include "game/GameApplication.h"

#include "audio/MusicPlayer.h"
#include "audio/SoundManager.h"
#include "game/ProgressStore.h"
#include "game/screens/LeaderboardFile.h"
#include "game/screens/LeaderboardView.h"
#include "gfx/Display.h"
#include "platform/DocumentOpener.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "puzzle/Board.h"

namespace game {

namespace {

constexpr int kLeaderboardRows = 10;
constexpr int kLeaderboardColumns = 2;

} // namespace

GameApplication::GameApplication(const GameContext& context)
    : app::Application(context.Platform(), context.Folders()),
      settingsDialog(context.Folders().SettingsFile()), boardScreen(context.Folders()),
      folders(context.Folders()) {
    // A save killed half-way leaves its temporary file beside the real one; nothing reads it.
    for (const char* saved : core::GameFolders::kPlayerFiles) {
        platform::RemoveStaleTemporaries(folders.Player(), saved);
    }
    screenState = kMainMenu;
    board = std::make_unique<puzzle::Board>();
    ProgressStore(folders).Restore(*board);
    SetSize(800, 600);
    BuildSceneTree();
    boardScreen.SetBoard(board.get());
}

std::string GameApplication::GraphicPath(const char* folderAndFile) const {
    return folders.GameFile(std::string("Graphic\\") + folderAndFile);
}

// The title-bar parts both screens share, in the order the frames take them.
void GameApplication::LoadTitleBarButtons(widgets::WindowFrame& frame) const {
    frame.SetCommandButton(GraphicPath("Button\\zuidahua.bmp"), 120, 24);
    frame.SetIcon(GraphicPath("UI\\left_tile.png"), 105, 23);
    frame.SetMinimizeButton(GraphicPath("Button\\zuixiaohua.bmp"), 120, 24);
    frame.SetCloseButton(GraphicPath("Button\\close.bmp"), 120, 24);
}

GameApplication::~GameApplication() {
    board.reset();
    musicPlayer.reset();
    DestroySoundManager();
    // The screens are members and die before the Application part, which still walks its
    // children when it releases the display; the return button dies before the board screen
    // it belongs to.
    boardScreen.RemoveChild(&returnButton);
    RemoveChild(&loadingPicture);
    RemoveChild(&mainFrame);
    RemoveChild(&boardFrame);
}

void GameApplication::BuildSceneTree() {
    AddChild(&loadingPicture);
    loadingPicture.AddChild(&loadingBar);

    mainFrame.SetSize(800, 600);
    AddChild(&mainFrame);
    mainFrame.AddChild(&logo);
    mainFrame.AddOverlay(&settingsDialog);
    settingsDialog.SetZOrder(1000);
    mainFrame.AddChild(&settingsButton);
    mainFrame.AddChild(&leaveButton);
    mainFrame.AddChild(&startButton);

    boardFrame.SetSize(800, 600);
    AddChild(&boardFrame);
    mainFrame.SetVisibleAll(0);
    boardFrame.SetVisibleAll(0);

    boardFrame.AddChild(&boardScreen);
    // Overlays are drawn in this order: the name entry over the board, the dim picture over
    // both, the leave dialog on top of everything it pauses.
    boardFrame.AddOverlay(&boardScreen.Entry());
    boardFrame.AddOverlay(&boardScreen.Overlay());
    boardFrame.AddOverlay(&leaveDialog);
    boardScreen.AddChild(&returnButton);
    leaveDialog.AddChild(&leaveYesButton);
    leaveDialog.AddChild(&leaveNoButton);

    mainFrame.AddChild(&leaderboardButton);
    mainFrame.AddChild(&leaderboardTable);
}

// ---------------------------------------------------------------------------------------------
// Sound and music

void GameApplication::ResetSoundManager() {
    DestroySoundManager();
    soundManager = std::make_unique<audio::SoundManager>(folders.Game());
    audio::SoundManager::SetCurrent(soundManager.get());
}

void GameApplication::DestroySoundManager() {
    if (soundManager) {
        audio::SoundManager::SetCurrent(nullptr);
        soundManager.reset();
    }
}

void GameApplication::OnGraphNotify() {
    if (audio::SoundManager* manager = audio::SoundManager::Current()) {
        manager->OnGraphNotify();
    }
}

void GameApplication::ReplaceMusicPlayer() {
    musicPlayer.reset();
    musicPlayer = std::make_unique<audio::MusicPlayer>(folders.Game());
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
    LoadScreens();
}

void GameApplication::GrowLoadingBar(int width) {
    loadingBar.SetSize(width, loadingBar.height);
}

void GameApplication::LoadScreens() {
    // The loading frames show progress only; they go out as soon as they are drawn.
    if (gfx::Display* display = GetDisplay()) {
        display->SetPacing(false);
    }
    loadingPicture.LoadImage(GraphicPath("UI\\lodingtiao.bmp"), 0, 0, 800, 600, 1);
    loadingBar.LoadImage(GraphicPath("UI\\lodingtiao_1.png"), 225, 542, 354, 30, 1);
    loadingBar.SetSize(1, 30);
    loadingPicture.SetVisible(1);
    RenderOnce();

    ReplaceMusicPlayer();
    RenderOnce();

    BuildMainMenu();
    const unsigned barWidth = static_cast<unsigned>(loadingBar.imageWidth);
    GrowLoadingBar(static_cast<int>(barWidth >> 2));
    BuildBoardChrome();
    RenderOnce();

    GrowLoadingBar(static_cast<int>(barWidth >> 1));
    BuildSettingsDialog();
    RenderOnce();

    GrowLoadingBar(static_cast<int>((barWidth * 3) >> 2));
    BuildLeaveDialog();
    RenderOnce();

    GrowLoadingBar(static_cast<int>(barWidth));
    loadingPicture.SetVisible(0);
    RenderOnce();

    RestoreScreen();
    if (gfx::Display* display = GetDisplay()) {
        display->SetPacing(true);
    }
    RenderOnce();
}

void GameApplication::RestoreScreen() {
    if (screenState == kMainMenu) {
        mainFrame.SetVisibleAll(1);
        if (musicPlayer) {
            musicPlayer->PlayMenuTrack();
        }
        leaveDialog.SetVisible(0);
        boardScreen.SetVisible(0);
        boardFrame.SetVisibleAll(0);
        return;
    }
    mainFrame.SetVisibleAll(0);
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

void GameApplication::BuildMainMenu() {
    mainFrame.SetVisibleAll(0);
    LoadTitleBarButtons(mainFrame);
    mainFrame.SetBackground(GraphicPath("UI\\youxijiemian.bmp"), 800, 600);
    mainFrame.SetTitleBar(GraphicPath("UI\\ui_biaotilan.bmp"), 800, 24);

    settingsButton.Load(GraphicPath("Button\\set.bmp"), 360, 537, 550, 40);
    leaveButton.Load(GraphicPath("Button\\leave.bmp"), 583, 537, 550, 40);
    startButton.Load(GraphicPath("Button\\start.bmp"), 313, 405, 1130, 130);
    leaderboardButton.Load(GraphicPath("Button\\phangbang.bmp"), 94, 537, 550, 40);

    leaderboardTable.LoadImage(GraphicPath("UI\\phbang.bmp"), 250, 48, 300, 504, 1);
    LeaderboardView::LoadLeaderboard(leaderboardTable, kLeaderboardRows, kLeaderboardColumns,
                                     folders.LeaderboardFile());
    leaderboardTable.SetColumnWidth(0, 135);
    leaderboardTable.SetColumnWidth(1, 33);
    for (int row = 0; row < kLeaderboardRows; ++row) {
        leaderboardTable.SetRowHeight(row, 34);
    }
    leaderboardTable.SetPadding(63, 135);
    leaderboardTable.Layout();
    leaderboardTable.SetVisible(0);

    widgets::AnimationSpec spec;
    spec.eventName = "logo";
    spec.frameCount = 4;
    spec.animFrame = 1;
    spec.period = 300;
    spec.repeatCount = 0;
    logo.Load(GraphicPath("UI\\logo.bmp"), 20, 24, 800, 35, spec);
    logo.Start();
}

void GameApplication::BuildBoardChrome() {
    boardFrame.SetVisibleAll(0);
    LoadTitleBarButtons(boardFrame);
    boardFrame.SetTitleBar(GraphicPath("UI\\ui_biaotilan.bmp"), 800, 24);
    boardScreen.BuildBoardScreen();
    returnButton.Load(GraphicPath("Button\\return_btn.bmp"), 660, 542, 650, 50);
}

void GameApplication::BuildSettingsDialog() {
    settingsDialog.Build(folders.Game());
}

void GameApplication::BuildLeaveDialog() {
    leaveDialog.LoadImage(GraphicPath("setting\\leave_lable.bmp"), 248, 178, 304, 244, 1);
    leaveYesButton.Load(GraphicPath("setting\\set_r_btn.bmp"), 30, 150, 560, 38);
    leaveNoButton.Load(GraphicPath("setting\\set_n_btn.bmp"), 170, 150, 560, 38);
}

void GameApplication::ShowLeaderboard() {
    LeaderboardView::LoadLeaderboard(leaderboardTable, kLeaderboardRows, kLeaderboardColumns,
                                     folders.LeaderboardFile());
    leaderboardTable.Layout();
    leaderboardTable.SetVisible(1);
}

// ---------------------------------------------------------------------------------------------
// Screen switches

void GameApplication::StartGame() {
    mainFrame.SetVisibleAll(0);
    boardFrame.SetVisibleAll(1);
    boardScreen.SetVisible(1);
    if (musicPlayer) {
        musicPlayer->StopMenuTrack();
        musicPlayer->PlayRandomBoardTrack();
    }
    mainFrame.SetAlpha(255);
    screenState = kPlaying;
    boardScreen.StartLevel(board->level);
    boardScreen.Entry().SetVisible(0);
    boardScreen.Overlay().SetVisible(0);
    // A win panel left from an earlier attempt would offer a next level not won in this one.
    boardScreen.WinPanel().SetVisible(0);
    levelsWon = 0;
    boardScreen.Entry().StartSitting();
}

void GameApplication::ShowMenuScreen() {
    mainFrame.SetVisibleAll(1);
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
    logo.Start();
    boardScreen.Overlay().SetVisible(0);
}

void GameApplication::ReturnFromNameEntry() {
    ShowMenuScreen();
    boardScreen.SetVisible(0);
    screenState = kMainMenu;
    PlayMenuMusic();
    KillAllTimers();
    logo.Start();
    ShowLeaderboard();
}

// ---------------------------------------------------------------------------------------------
// Timed events

void GameApplication::OnTimerEvent(std::string name) {
    if (screenState == kLeaveDialogOpen) {
        return;
    }
    boardScreen.HandleTimerEvent(name);
    logo.OnTimerEvent(name);
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
// Input

void GameApplication::OnInput(core::MouseEvent* event) {
    if (event == nullptr) {
        return;
    }
    if (mainFrame.visible && settingsDialog.visible) {
        settingsDialog.OnMouseEvent(event);
        return;
    }
    if (mainFrame.visible) {
        mainFrame.OnMouseEvent(event);
        if (leaderboardButton.visible && event->code == core::kMouseLeftDown) {
            leaderboardTable.SetVisible(0);
        }
    }
    leaveDialog.OnMouseEvent(event);
    // The open leave dialog is modal: the board, the win panel and the name entry under it
    // must not take the presses meant for its buttons, which lie over theirs.
    if (boardFrame.visible && !leaveDialog.visible) {
        OnBoardScreenMouse(*event);
    }
    OpenWebBand(*event);
    if (mainFrame.visible && event->code == core::kKeyEnterReleased) {
        StartGame();
    } else if (boardFrame.visible) {
        if (event->code == core::kKeyEscapeReleased) {
            ToggleLeaveDialog();
        } else if (event->code == core::kKeyEnterReleased && leaveDialog.visible) {
            ReturnToMenu();
        }
    }
    if (boardFrame.visible) {
        boardFrame.OnMouseEvent(event);
    }
    core::RouteMouse(
        *event, [this](int x, int y) { OnMouseDown(x, y); },
        [this](int x, int y) { OnMouseUp(x, y); }, [this](int x, int y) { OnMouseMove(x, y); });
}

// The board screen's own handling, watched for wins and for the close of the win panel.
void GameApplication::OnBoardScreenMouse(core::MouseEvent& event) {
    const bool winShown = boardScreen.WinPanel().visible != 0;
    const int level = board->level;
    boardScreen.HandleMouse(&event);
    const bool winShownNow = boardScreen.WinPanel().visible != 0;
    if (!winShown && winShownNow) {
        ++levelsWon;
    } else if (winShown && !winShownNow && board->level == level) {
        // Closed, not moved on to the next level.
        OfferNameEntry();
    }
}

// A result good enough for the table is entered by name when the player closes the win panel.
void GameApplication::OfferNameEntry() {
    LeaderboardFile::Table table;
    LeaderboardFile::Read(folders.LeaderboardFile(), table);
    if (levelsWon <= table.back().score) {
        return;
    }
    LeaderboardEntry& entry = boardScreen.Entry();
    entry.score = levelsWon;
    entry.nameField.Clear();
    entry.nameField.SetFocused(1);
    entry.SetVisible(1);
}

void GameApplication::OpenWebBand(const core::MouseEvent& event) {
    if (event.code != core::kMouseLeftDown || !(600 < event.x && event.x < 800) ||
        !(24 < event.y && event.y < 60)) {
        return;
    }
    std::string address =
        platform::Settings::ReadString(folders.SettingsFile(), "website", "web2", "1");
    if (address.size() > 260) {
        address.resize(260);
    }
    GetPlatform().Opener().Open(address);
}

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

void GameApplication::OnMouseDown(int x, int y) {
    if (mainFrame.visible && !settingsDialog.visible) {
        for (widgets::Button* button :
             {&settingsButton, &leaveButton, &leaderboardButton, &startButton}) {
            if (button->OnMouseDown(x, y)) {
                BoardScreen::PlayClick();
                return;
            }
        }
    }
    if (!boardFrame.visible) {
        return;
    }
    if (leaveDialog.visible) {
        if (leaveNoButton.OnMouseDown(x, y) || leaveYesButton.OnMouseDown(x, y)) {
            BoardScreen::PlayClick();
        }
    } else if (returnButton.OnMouseDown(x, y)) {
        BoardScreen::PlayClick();
    }
}

void GameApplication::OnMouseUp(int x, int y) {
    if (boardFrame.visible && boardScreen.visible && returnButton.OnMouseUp(x, y)) {
        ToggleLeaveDialog();
    }
    if (mainFrame.visible && !settingsDialog.visible) {
        if (settingsButton.OnMouseUp(x, y)) {
            settingsDialog.ShowSettings(!settingsDialog.visible);
            mainFrame.SetAlpha(255);
        } else if (leaveButton.OnMouseUp(x, y)) {
            PostEvent(platform::Event::Of(platform::EventKind::Close));
        } else if (leaderboardButton.OnMouseUp(x, y)) {
            if (leaderboardTable.visible) {
                leaderboardTable.SetVisible(0);
            } else {
                ShowLeaderboard();
            }
        } else if (startButton.OnMouseUp(x, y)) {
            StartGame();
        }
    }
    if (leaveDialog.visible) {
        if (leaveNoButton.OnMouseUp(x, y)) {
            CloseLeaveDialog();
        } else if (leaveYesButton.OnMouseUp(x, y)) {
            ReturnToMenu();
        }
    }
}

void GameApplication::OnMouseMove(int x, int y) {
    if (leaveDialog.visible) {
        leaveNoButton.OnMouseMove(x, y);
        leaveYesButton.OnMouseMove(x, y);
    }
    if (mainFrame.visible && !settingsDialog.visible) {
        for (widgets::Button* button :
             {&settingsButton, &leaveButton, &leaderboardButton, &startButton}) {
            if (button->OnMouseMove(x, y)) {
                break;
            }
        }
    }
    if (boardFrame.visible) {
        returnButton.OnMouseMove(x, y);
    }
}

} // namespace game
