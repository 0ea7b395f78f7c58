#pragma once

#include "platform/KeyBuffer.h"
#include "platform/Platform.h"
#include "platform/memory/HeadlessWindow.h"
#include "platform/memory/ManualTimerService.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/RecordingDocumentOpener.h"

namespace platform {

// Every service in memory, for tests: the test posts events and key changes, moves the timers
// and the animation clock by hand, and reads back frames, message boxes, opened documents and
// the registry.
class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform() : window(Queue()) {}

    Window& GetWindow() override { return window; }
    TimerService& Timers() override { return timers; }
    KeyBuffer& Keys() override { return keys; }
    DocumentOpener& Opener() override { return opener; }
    Registry& GetRegistry() override { return registry; }
    const Clock& GetClock() const override { return clock; }
    // The real program's path unless a test gives one, so that a game made in a test finds
    // its files in a folder of the test's own.
    std::string ExecutablePath() const override {
        return executablePath.empty() ? Platform::ExecutablePath() : executablePath;
    }

    HeadlessWindow window;
    ManualTimerService timers;
    KeyBuffer keys;
    RecordingDocumentOpener opener;
    MemoryRegistry registry;
    // Moved by hand, like the timers.
    ManualClock clock;
    std::string executablePath;
};

} // namespace platform
