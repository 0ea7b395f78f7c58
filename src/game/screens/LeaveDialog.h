#pragma once

#include "core/GameFolders.h"
#include "game/PlacedImage.h"

#include <functional>

#include "widgets/Button.h"
#include "widgets/DragPanel.h"

namespace game {

// The dialog that asks, over the dimmed board, whether to leave for the menu: a page dragged by
// the mouse with a yes and a no button. It reports the answer and closes nothing itself.
class LeaveDialog : public widgets::DragPanel {
public:
    // The page and its buttons come from the game folder.
    explicit LeaveDialog(const core::GameFolders& folders);
    ~LeaveDialog() override;

    // Loads the page and both buttons.
    void Load(const ImageSource& images);

    // The buttons while the dialog is shown. A press reports whether a button took it; a
    // release on "no" reports onStay, on "yes" onLeave.
    bool OnMouseDown(int x, int y);
    void OnMouseUp(int x, int y);
    void OnMouseMove(int x, int y);

    std::function<void()> onStay;
    std::function<void()> onLeave;

private:
    const core::GameFolders& folders;

public:
    widgets::Button yesButton;
    widgets::Button noButton;
};

} // namespace game
