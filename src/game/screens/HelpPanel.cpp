#include "game/screens/HelpPanel.h"

#include <string>

#include "game/PlacedImage.h"

namespace game {

HelpPanel::HelpPanel() {
    prevPageButton.SetEnabled(false);
}

void HelpPanel::AddTo(scene::Element& parent) {
    parent.AddChild(&pages);
    parent.AddChild(&prevPageButton);
    parent.AddChild(&nextPageButton);
}

void HelpPanel::RemoveFrom(scene::Element& parent) {
    parent.RemoveChild(&pages);
    parent.RemoveChild(&prevPageButton);
    parent.RemoveChild(&nextPageButton);
}

void HelpPanel::Load(const ImageSource& images) {
    LoadPlaced(pages, Layout::Of(Image::HelpPages), images);
    LoadPlaced(prevPageButton, Layout::Of(Image::HelpPrevButton), images);
    prevPageButton.SetEnabled(false);
    nextPageButton.SetEnabled(true);
    LoadPlaced(nextPageButton, Layout::Of(Image::HelpNextButton), images);
}

bool HelpPanel::Handle(const core::Input& event) {
    return core::RouteMouse(
        event, [this](int x, int y) { return OnPress(x, y); },
        [this](int x, int y) { return OnRelease(x, y); },
        [this](int x, int y) { return OnMove(x, y); });
}

bool HelpPanel::OnPress(int x, int y) {
    const bool taken = prevPageButton.OnMouseDown(x, y) || nextPageButton.OnMouseDown(x, y);
    if (taken && onClick) {
        onClick();
    }
    return taken;
}

bool HelpPanel::OnRelease(int x, int y) {
    if (prevPageButton.OnMouseUp(x, y)) {
        Turn(-1);
        return true;
    }
    if (nextPageButton.OnMouseUp(x, y)) {
        Turn(1);
        return true;
    }
    return false;
}

bool HelpPanel::OnMove(int x, int y) {
    return prevPageButton.OnMouseMove(x, y) || nextPageButton.OnMouseMove(x, y);
}

void HelpPanel::Turn(int delta) {
    const int target = Page() + delta;
    if (target >= 1 && target <= kPageCount) {
        pages.SetFrame(target);
    }
    // Going back can only switch the back arrow off and the forward one on; going forward the
    // reverse.
    if (delta < 0) {
        if (Page() == 1) {
            prevPageButton.SetEnabled(false);
        }
        if (Page() != kPageCount) {
            nextPageButton.SetEnabled(true);
        }
    } else {
        if (Page() != 1) {
            prevPageButton.SetEnabled(true);
        }
        if (Page() == kPageCount) {
            nextPageButton.SetEnabled(false);
        }
    }
}

} // namespace game
