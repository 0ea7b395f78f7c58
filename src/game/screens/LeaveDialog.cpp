#include "game/screens/LeaveDialog.h"

#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/screens/Report.h"

namespace game {

LeaveDialog::LeaveDialog(const core::GameFolders& folders) : folders(folders) {
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

bool LeaveDialog::OnMouseDown(int x, int y) {
    return visible != 0 && (noButton.OnMouseDown(x, y) || yesButton.OnMouseDown(x, y));
}

void LeaveDialog::OnMouseUp(int x, int y) {
    if (visible == 0) {
        return;
    }
    if (noButton.OnMouseUp(x, y)) {
        Report(onStay);
    } else if (yesButton.OnMouseUp(x, y)) {
        Report(onLeave);
    }
}

void LeaveDialog::OnMouseMove(int x, int y) {
    if (visible != 0) {
        noButton.OnMouseMove(x, y);
        yesButton.OnMouseMove(x, y);
    }
}

} // namespace game
