#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/MessageQueue.h"
#include "platform/TextRenderer.h"

namespace platform {

class DocumentOpener;
class KeyBuffer;
class Registry;
class TimerService;
class Window;

// The operating-system services the game runs on, chosen once at start-up: the desktop through
// SDL for play, or everything in memory for tests.
class Platform {
public:
    virtual ~Platform() = default;

    MessageQueue& Queue() { return queue; }
    virtual Window& GetWindow() = 0;
    virtual TimerService& Timers() = 0;
    virtual KeyBuffer& Keys() = 0;
    virtual DocumentOpener& Opener() = 0;
    // The current user's registry, where the game records its installation.
    virtual Registry& GetRegistry() = 0;
    // The text renderer, on the system's font.
    TextRenderer& Text() { return text; }
    // The clock animations are timed by: the system's steady clock unless a platform has its own.
    virtual const Clock& GetClock() const { return steadyClock; }
    // Full path of the running program; resources are found beside it.
    virtual std::string ExecutablePath() const;

private:
    MessageQueue queue;
    TextRenderer text;
    SteadyClock steadyClock;
};

} // namespace platform
