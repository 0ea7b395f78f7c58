#pragma once

#include "platform/KeyBuffer.h"
#include "platform/Platform.h"
#include "platform/RegistryStore.h"
#include "platform/SystemDocumentOpener.h"
#include "platform/ThreadTimerService.h"
#include "platform/sdl/SdlWindow.h"

namespace platform {

// The desktop: an SDL window, a timer thread, the buffered keyboard, xdg-open and the user's
// registry.
class SdlPlatform : public Platform {
public:
    SdlPlatform() : window(Queue(), keys) {}

    Window& GetWindow() override { return window; }
    TimerService& Timers() override { return timers; }
    KeyBuffer& Keys() override { return keys; }
    DocumentOpener& Opener() override { return opener; }
    Registry& GetRegistry() override { return registry; }

private:
    KeyBuffer keys;
    SdlWindow window;
    ThreadTimerService timers;
    SystemDocumentOpener opener;
    RegistryStore registry;
};

} // namespace platform
