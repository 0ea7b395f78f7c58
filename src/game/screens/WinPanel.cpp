#include "game/screens/WinPanel.h"

#include "game/Layout.h"
#include "game/screens/Report.h"
#include "game/screens/WinReport.h"

namespace game {

WinPanel::WinPanel() {
    SetVisible(0);
    AddChild(&nextButton);
    AddChild(&closeButton);
    tally.AddTo(*this);
}

WinPanel::~WinPanel() {
    tally.RemoveFrom(*this);
    RemoveChild(&nextButton);
    RemoveChild(&closeButton);
}

void WinPanel::Load(const ImageSource& images) {
    LoadPlaced(*this, Layout::Of(Image::WinPanel), images);
    LoadPlaced(nextButton, Layout::Of(Image::NextLevelButton), images);
    LoadPlaced(closeButton, Layout::Of(Image::CloseWinButton), images);
}

void WinPanel::LoadTally(const ImageSource& images) {
    tally.Load(images);
}

void WinPanel::Show(const WinReport& report, bool afterSlide) {
    if (afterSlide) {
        due = true;
    } else {
        SetVisible(1);
    }
    tally.Show(report);
}

void WinPanel::Arrived() {
    if (due) {
        due = false;
        SetVisible(1);
    }
}

bool WinPanel::Handle(const core::Input& event) {
    if (!Shown()) {
        return false;
    }
    return core::RouteMouse(
        event, [this](int x, int y) { return OnPress(x, y); },
        [this](int x, int y) { return OnRelease(x, y); },
        [this](int x, int y) { return OnMove(x, y); });
}

bool WinPanel::OnPress(int x, int y) {
    if (closeButton.OnMouseDown(x, y) || nextButton.OnMouseDown(x, y)) {
        Report(onClick);
        return true;
    }
    return false;
}

bool WinPanel::OnRelease(int x, int y) {
    if (nextButton.OnMouseUp(x, y)) {
        Report(onNext);
        return true;
    }
    if (closeButton.OnMouseUp(x, y)) {
        // The board stays finished.
        SetVisible(0);
        Report(onClose);
        return true;
    }
    return false;
}

bool WinPanel::OnMove(int x, int y) {
    return closeButton.OnMouseMove(x, y) || nextButton.OnMouseMove(x, y);
}

} // namespace game
