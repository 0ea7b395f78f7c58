#include "game/screens/LeaveDialog.h"

#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/screens/Report.h"

namespace game {

LeaveDialog::LeaveDialog() {
    AddChild(&yesButton);
    AddChild(&noButton);
}

LeaveDialog::~LeaveDialog() {
    RemoveChild(&yesButton);
    RemoveChild(&noButton);
}

void LeaveDialog::Load(const ImageSource& images) {
    LoadPlaced(*this, Layout::Of(Image::LeavePage), images);
    LoadPlaced(yesButton, Layout::Of(Image::LeaveYesButton), images);
    LoadPlaced(noButton, Layout::Of(Image::LeaveNoButton), images);
}

bool LeaveDialog::Handle(const core::Input& event) {
    widgets::DragPanel::Handle(event);
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.code) {
    case core::kMouseLeftDown:
        if (noButton.OnMouseDown(x, y) || yesButton.OnMouseDown(x, y)) {
            Report(onClick);
        }
        return false;
    case core::kMouseLeftUp:
        if (noButton.OnMouseUp(x, y)) {
            Report(onStay);
            return true;
        }
        if (yesButton.OnMouseUp(x, y)) {
            Report(onLeave);
            return true;
        }
        return false;
    case core::kMouseMove:
        noButton.OnMouseMove(x, y);
        yesButton.OnMouseMove(x, y);
        return false;
    default:
        return false;
    }
}

} // namespace game
