#pragma once

namespace platform {

// What the game's own title bar asks of the window it stands in for the desktop's.
class TitleBarActions {
public:
    virtual ~TitleBarActions() = default;

    // The window follows the pointer until the left button is released; the release still
    // reaches the game.
    virtual void RunMoveLoop() = 0;
    // The window goes to the task bar.
    virtual void Minimize() = 0;
};

} // namespace platform
