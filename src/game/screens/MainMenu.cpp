#include "game/screens/MainMenu.h"

#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/screens/LeaderboardView.h"
#include "game/screens/Report.h"
#include "game/screens/TitleBar.h"

namespace game {

MainMenu::MainMenu(const core::GameFolders& folders, const PlayerSettings& settings,
                   app::Timers& timers, app::WindowCommands& window, platform::TextRenderer& text)
    : folders(folders), frame(window), logo(timers), leaderboardTable(text),
      settingsDialog(settings, window) {
    frame.SetSize(800, 600);
    frame.AddChild(&logo);
    frame.AddOverlay(&settingsDialog);
    settingsDialog.SetZOrder(1000);
    frame.AddChild(&settingsButton);
    frame.AddChild(&leaveButton);
    frame.AddChild(&startButton);
    frame.AddChild(&leaderboardButton);
    frame.AddChild(&leaderboardTable);
    frame.SetVisibleAll(0);
    settingsDialog.onClick = [this] { Report(onClick); };
    settingsDialog.onVolumes = [this](int effects, int music) {
        Report(onVolumes, effects, music);
    };
}

MainMenu::~MainMenu() {
    scene::Element* const parts[] = {&logo,        &settingsButton,    &leaveButton,
                                     &startButton, &leaderboardButton, &leaderboardTable};
    for (scene::Element* part : parts) {
        frame.RemoveChild(part);
    }
}

void MainMenu::AttachTo(scene::Element& root) {
    root.AddChild(&frame);
}

void MainMenu::DetachFrom(scene::Element& root) {
    root.RemoveChild(&frame);
}

void MainMenu::Load(const ImageSource& images) {
    frame.SetVisibleAll(0);
    LoadTitleBar(frame, images);
    const ImagePlace& background = Layout::Of(Image::MenuBackground);
    frame.SetBackground(images.display, GamePath(images.gameFolder, background.file),
                        background.width, background.height);

    LoadPlaced(settingsButton, Layout::Of(Image::SettingsButton), images);
    LoadPlaced(leaveButton, Layout::Of(Image::LeaveButton), images);
    LoadPlaced(startButton, Layout::Of(Image::StartButton), images);
    LoadPlaced(leaderboardButton, Layout::Of(Image::LeaderboardButton), images);
    LoadLeaderboard(images);
    LoadLogo(images);
}

void MainMenu::LoadLeaderboard(const ImageSource& images) {
    LoadPlaced(leaderboardTable, Layout::Of(Image::Leaderboard), images);
    const TableCells& cells = Layout::LeaderboardCells();
    LeaderboardView::LoadLeaderboard(leaderboardTable, cells.rows, cells.columns,
                                     folders.LeaderboardFile());
    for (int column = 0; column < cells.columns; ++column) {
        leaderboardTable.SetColumnWidth(column, cells.columnWidths[column]);
    }
    for (int row = 0; row < cells.rows; ++row) {
        leaderboardTable.SetRowHeight(row, cells.rowHeight);
    }
    leaderboardTable.SetPadding(cells.left, cells.top);
    leaderboardTable.Layout();
    leaderboardTable.SetVisible(0);
}

void MainMenu::LoadLogo(const ImageSource& images) {
    const ImagePlace& place = Layout::Of(Image::Logo);
    widgets::AnimationSpec spec;
    spec.eventName = "logo";
    spec.frameCount = place.frames;
    spec.animFrame = 1;
    spec.period = 300;
    spec.repeatCount = 0;
    logo.Load(images.display, GamePath(images.gameFolder, place.file), place.x, place.y,
              place.width, place.height, spec);
    logo.Start();
}

void MainMenu::LoadSettings(const ImageSource& images) {
    settingsDialog.Build(images);
}

void MainMenu::Show(bool shown) {
    frame.SetVisibleAll(shown ? 1 : 0);
    menuShown = shown;
    logo.SetRunning(menuShown && windowShown);
}

void MainMenu::SetWindowShown(bool shown) {
    windowShown = shown;
    logo.SetRunning(menuShown && windowShown);
}

void MainMenu::ShowLeaderboard() {
    const TableCells& cells = Layout::LeaderboardCells();
    LeaderboardView::LoadLeaderboard(leaderboardTable, cells.rows, cells.columns,
                                     folders.LeaderboardFile());
    leaderboardTable.Layout();
    leaderboardTable.SetVisible(1);
}

bool MainMenu::Handle(const core::Input& event) {
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.code) {
    case core::kMouseLeftDown:
        // A press on the table's button shows it again on the release.
        if (leaderboardButton.visible) {
            leaderboardTable.SetVisible(0);
        }
        Press(x, y);
        return false;
    case core::kMouseLeftUp:
        return Release(x, y);
    case core::kMouseMove:
        Hover(x, y);
        return false;
    default:
        return false;
    }
}

void MainMenu::Press(int x, int y) {
    for (widgets::Button* button :
         {&settingsButton, &leaveButton, &leaderboardButton, &startButton}) {
        if (button->OnMouseDown(x, y)) {
            Report(onClick);
            return;
        }
    }
}

bool MainMenu::Release(int x, int y) {
    if (settingsButton.OnMouseUp(x, y)) {
        settingsDialog.ShowSettings(!settingsDialog.visible);
        frame.SetAlpha(255);
    } else if (leaveButton.OnMouseUp(x, y)) {
        Report(onLeave);
    } else if (leaderboardButton.OnMouseUp(x, y)) {
        if (leaderboardTable.visible) {
            leaderboardTable.SetVisible(0);
        } else {
            ShowLeaderboard();
        }
    } else if (startButton.OnMouseUp(x, y)) {
        Report(onStart);
    } else {
        return false;
    }
    return true;
}

void MainMenu::Hover(int x, int y) {
    for (widgets::Button* button :
         {&settingsButton, &leaveButton, &leaderboardButton, &startButton}) {
        if (button->OnMouseMove(x, y)) {
            break;
        }
    }
}

} // namespace game
