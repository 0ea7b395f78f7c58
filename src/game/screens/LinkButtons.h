#pragma once

#include <functional>

#include "core/Input.h"
#include "game/PlacedImage.h"
#include "scene/Element.h"
#include "widgets/Button.h"

namespace core {
class GameFolders;
}
namespace platform {
class DocumentOpener;
}

namespace game {

// The buttons under the board: two that open the web addresses of the settings file (web2 and
// web1) on the press, and the exit button, which acts on the release alone, wherever the press
// began.
class LinkButtons {
public:
    // The addresses are read from the settings file afresh at each press. The folders and the
    // opener must outlive the buttons.
    LinkButtons(const core::GameFolders& folders, platform::DocumentOpener& opener);

    void AddTo(scene::Element& boardPanel);
    void Load(const ImageSource& images);

    // Mouse events; true when a button takes one. A press on the click-me button opens its
    // address but is not taken, and a release on the exit button is reported to onExit but is
    // not taken either; a pointer move is never taken.
    bool Handle(const core::Input& event);

    // A link button took a press.
    std::function<void()> onClick;
    // The exit button was released on.
    std::function<void()> onExit;

    widgets::Button moreGamesButton;
    widgets::Button clickMeButton;
    widgets::Button exitButton;

private:
    bool OnPress(int x, int y);
    bool OnRelease(int x, int y);
    bool OnMove(int x, int y);
    void Open(int n);

    const core::GameFolders& folders;
    platform::DocumentOpener& opener;
};

} // namespace game
