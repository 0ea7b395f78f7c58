#pragma once

#include "game/PlacedImage.h"

#include <functional>

#include "widgets/Button.h"
#include "widgets/DragPanel.h"

namespace game {

// The dialog that asks, over the dimmed board, whether to leave for the menu: a page dragged by
// the mouse with a yes and a no button. It reports the answer and closes nothing itself.
class LeaveDialog : public widgets::DragPanel {
public:
    LeaveDialog();
    ~LeaveDialog() override;

    // Loads the page and both buttons.
    void Load(const ImageSource& images);

    // Drags the page and drives the buttons: a press on one reports onClick, a release on "no"
    // reports onStay and on "yes" onLeave, and consumes the release, whose answer closed the
    // dialog.
    bool Handle(const core::Input& event) override;

    std::function<void()> onStay;
    std::function<void()> onLeave;
    // A button took a press.
    std::function<void()> onClick;

    widgets::Button yesButton;
    widgets::Button noButton;
};

} // namespace game
