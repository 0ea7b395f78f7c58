#pragma once

#include <string>

namespace platform {
struct Event;
class TitleBarActions;
} // namespace platform

namespace app {

// What the screens ask of the game's window: events it handles now or at the next dispatch
// (frame and display commands, closing), a message box, and the display mode the next set-up
// makes. The application answers them; screens are handed this part.
class WindowCommands {
public:
    virtual ~WindowCommands() = default;

    // Queues the event for the next dispatch; any thread may post.
    virtual void PostEvent(const platform::Event& event) = 0;
    // Handles the event now. True when full screen kept the window's own handling from running.
    virtual bool SendEvent(const platform::Event& event) = 0;
    // Tells the player something, in the window's message box.
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;
    // Whether the next display set-up makes a window (true) or takes the full screen.
    virtual bool WantsWindow() const = 0;
    virtual void RequestWindow(bool window) = 0;
    // What the game's own title bar does to the window: move it, minimise it.
    virtual platform::TitleBarActions& TitleBar() = 0;
};

} // namespace app
