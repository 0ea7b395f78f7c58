#include "game/screens/LinkButtons.h"

#include "core/GameFolders.h"
#include "game/Layout.h"
#include "game/screens/Report.h"
#include "game/screens/WebLinks.h"
#include "platform/DocumentOpener.h"

namespace game {

LinkButtons::LinkButtons(const core::GameFolders& folders, platform::DocumentOpener& opener)
    : folders(folders), opener(opener) {}

void LinkButtons::AddTo(scene::Element& boardPanel) {
    boardPanel.AddChild(&moreGamesButton);
    boardPanel.AddChild(&clickMeButton);
    boardPanel.AddChild(&exitButton);
}

void LinkButtons::Load(const ImageSource& images) {
    LoadPlaced(moreGamesButton, Layout::Of(Image::MoreGamesButton), images);
    LoadPlaced(clickMeButton, Layout::Of(Image::ClickMeButton), images);
    LoadPlaced(exitButton, Layout::Of(Image::ExitButton), images);
}

bool LinkButtons::Handle(const core::Input& event) {
    return core::RouteMouse(
        event, [this](int x, int y) { return OnPress(x, y); },
        [this](int x, int y) { return OnRelease(x, y); },
        [this](int x, int y) { return OnMove(x, y); });
}

bool LinkButtons::OnPress(int x, int y) {
    if (moreGamesButton.OnMouseDown(x, y)) {
        Open(2);
        Report(onClick);
        return true;
    }
    if (clickMeButton.OnMouseDown(x, y)) {
        Open(1);
        Report(onClick);
    }
    return false;
}

bool LinkButtons::OnRelease(int x, int y) {
    // The link buttons act on the press.
    if (moreGamesButton.OnMouseUp(x, y) || clickMeButton.OnMouseUp(x, y)) {
        return true;
    }
    if (exitButton.OnMouseUp(x, y)) {
        Report(onExit);
    }
    return false;
}

bool LinkButtons::OnMove(int x, int y) {
    // Hover frames: the first button under the pointer ends the search.
    if (!moreGamesButton.OnMouseMove(x, y) && !clickMeButton.OnMouseMove(x, y)) {
        exitButton.OnMouseMove(x, y);
    }
    return false;
}

void LinkButtons::Open(int n) {
    WebLinks links;
    links.Read(folders.SettingsFile());
    opener.Open(links.Address(n));
}

} // namespace game
