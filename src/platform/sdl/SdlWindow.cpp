#include "platform/sdl/SdlWindow.h"

#include <SDL.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/DesktopSession.h"
#include "platform/GbkText.h"
#include "platform/KeyBuffer.h"
#include "platform/sdl/SdlAccelerators.h"
#include "platform/sdl/SdlKeyMap.h"

namespace platform {

namespace {

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

SDL_Surface* SurfaceOf(const formats::DecodedImage& image) {
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.pixels.data()),
                                              image.width, image.height, 32, image.width * 4,
                                              SDL_PIXELFORMAT_ARGB8888);
}

} // namespace

SdlWindow::SdlWindow(MessageQueue& queue, KeyBuffer& keys)
    : queue(queue), keys(keys), presenter(std::make_unique<SdlPresenter>()) {}

SdlWindow::~SdlWindow() {
    Destroy();
    if (sdlStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
}

bool SdlWindow::Create(const std::string& title, int width, int height) {
    if (!sdlStarted) {
        // Left to itself SDL falls back to drivers that show nothing, and the game would play on
        // unseen. A driver named in the environment is taken as asked (the tests name theirs).
        const bool chosen = !EnvironmentValue("SDL_VIDEODRIVER").empty();
        if (!chosen) {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, DesktopSession::VideoDrivers());
        }
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            std::fprintf(stderr, "cannot open the display: %s\n",
                         chosen ? SDL_GetError() : DesktopSession::NoDesktopReason().c_str());
            return false;
        }
        sdlStarted = true;
        wakeEvent = SDL_RegisterEvents(1);
    }
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                              height, SDL_WINDOW_BORDERLESS);
    if (window == nullptr) {
        return false;
    }
    presenter->SetWindow(window);
    // A message posted from another thread wakes a wait for desktop events.
    const std::uint32_t wake = wakeEvent;
    queue.SetWaker([wake] {
        SDL_Event event{};
        event.type = wake;
        SDL_PushEvent(&event);
    });
    SDL_StartTextInput();
    return true;
}

void SdlWindow::Destroy() {
    if (window == nullptr) {
        return;
    }
    // A post from another thread pushes an event, and SDL then sends a wake-up to the window it
    // waits on. One sent to a window already destroyed is an X error that ends the program, so
    // no wake may be under way or start while the window goes; Create sets the waker again.
    queue.SetWaker(nullptr);
    // The presenter object lives as long as this window does: the display holds on to it.
    presenter->Close();
    if (cursor != nullptr) {
        SDL_FreeCursor(cursor);
        cursor = nullptr;
    }
    SDL_DestroyWindow(window);
    window = nullptr;
}

void SdlWindow::StartTimer(std::uint32_t periodMs) {
    timerPeriod = periodMs;
    nextTick = SDL_GetTicks() + periodMs;
}

void SdlWindow::PostTimerTick() {
    if (timerPeriod == 0) {
        return;
    }
    const std::uint32_t now = SDL_GetTicks();
    if (static_cast<std::int32_t>(now - nextTick) >= 0) {
        // A minimised window takes no keys; its timer slows down so the game sleeps.
        constexpr std::uint32_t kMinimizedPeriod = 100;
        const bool minimized =
            window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
        nextTick = now + (minimized ? std::max(timerPeriod, kMinimizedPeriod) : timerPeriod);
        // A poll of a buffer with nothing to tell does nothing: that tick is left out.
        if (keys.HasNews()) {
            Post(Event::Of(EventKind::PollKeyboard));
        }
    }
}

void SdlWindow::PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        Translate(event);
    }
    PostTimerTick();
}

void SdlWindow::WaitForEvent(std::chrono::milliseconds timeout) {
    const bool forever = timeout == std::chrono::milliseconds::max();
    std::int64_t wait = std::clamp<std::int64_t>(timeout.count(), 0, INT32_MAX);
    if (timerPeriod != 0 && keys.HasNews()) {
        const auto left = static_cast<std::int32_t>(nextTick - SDL_GetTicks());
        wait = std::min<std::int64_t>(wait, std::max(left, 0));
    } else if (forever) {
        wait = -1; // only an event ends it
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(wait)) != 0) {
        Translate(event);
    }
    PumpEvents();
}

void SdlWindow::Post(const Event& event) {
    queue.Post(event);
}

void SdlWindow::PostMouse(MouseAction action, int x, int y) {
    Post(MouseEventAt(*presenter, action, x, y));
}

void SdlWindow::Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        Post(Event::Of(EventKind::Close));
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event);
        break;
    case SDL_MOUSEMOTION:
        PostMouse(MouseAction::Move, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        const int x = event.button.x;
        const int y = event.button.y;
        if (event.button.button == SDL_BUTTON_LEFT) {
            PostMouse(down ? MouseAction::LeftDown : MouseAction::LeftUp, x, y);
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            PostMouse(down ? MouseAction::RightDown : MouseAction::RightUp, x, y);
        }
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event);
        break;
    case SDL_TEXTINPUT:
        TranslateText(event.text.text);
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        presenter->MarkLost();
        break;
    case SDL_DISPLAYEVENT:
        presenter->MarkModeChanged();
        break;
    default:
        break;
    }
}

void SdlWindow::TranslateWindowEvent(const SDL_Event& event) {
    switch (event.window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        keys.Acquire();
        Post(Event::Of(EventKind::Activated));
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        keys.LoseAcquisition();
        Post(Event::Of(EventKind::Deactivated));
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        Post(Event::Of(EventKind::Minimized));
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
        Post(Event::Of(EventKind::Restored));
        break;
    case SDL_WINDOWEVENT_MOVED:
        Post(Event::Of(EventKind::Moved));
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED:
        presenter->MarkExposed();
        Post(Event::Of(EventKind::Paint));
        break;
    case SDL_WINDOWEVENT_CLOSE:
        Post(Event::Of(EventKind::Close));
        break;
    default:
        break;
    }
}

void SdlWindow::TranslateKey(const SDL_Event& event) {
    const bool down = event.type == SDL_KEYDOWN;
    const SDL_Keycode key = event.key.keysym.sym;
    const std::optional<CommandId> command = AcceleratorCommand(key, event.key.keysym.mod);
    // The key of a command belongs to it: the game's keyboard never sees it, or the release of
    // Alt+Enter's Enter would also act as Enter (and start a game on the menu).
    const int scancode = static_cast<int>(event.key.keysym.scancode);
    const bool accelerator = down ? command.has_value() : scancode == acceleratorScancode;
    if (event.key.repeat == 0 && !accelerator) {
        if (const std::optional<Key> typed = KeyFromScancode(event.key.keysym.scancode)) {
            keys.OnKeyChange(*typed, down);
        }
    }
    if (!down) {
        if (accelerator) {
            acceleratorScancode = -1;
        }
        return;
    }
    // Nor does it type: Ctrl+0 would put a 0 into a name being entered.
    swallowText = accelerator;
    if (accelerator) {
        if (event.key.repeat == 0) {
            acceleratorScancode = scancode;
            Post(Event::Command(*command));
        }
        return;
    }
    // Control keys that type a character; text input brings the printable ones.
    if (key == SDLK_BACKSPACE) {
        Post(Event::Char(8));
    } else if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
        Post(Event::Char(13));
    } else if (key == SDLK_ESCAPE) {
        Post(Event::Char(27));
    }
}

void SdlWindow::TranslateText(const char* utf8) {
    if (swallowText) {
        swallowText = false;
        return;
    }
    // One Char per GBK byte: a double-byte character arrives as two.
    for (const char byte : GbkText::FromUtf8(utf8)) {
        Post(Event::Char(static_cast<std::uint8_t>(byte)));
    }
}

void SdlWindow::SetCursorImage(const formats::DecodedImage& image, int hotspotX, int hotspotY) {
    SDL_Surface* surface = SurfaceOf(image);
    if (surface == nullptr) {
        return;
    }
    if (SDL_Cursor* made = SDL_CreateColorCursor(surface, hotspotX, hotspotY)) {
        SDL_SetCursor(made);
        if (cursor != nullptr) {
            SDL_FreeCursor(cursor);
        }
        cursor = made;
    }
    SDL_FreeSurface(surface);
}

void SdlWindow::SetIconImage(const formats::DecodedImage& image) {
    if (SDL_Surface* surface = SurfaceOf(image)) {
        SDL_SetWindowIcon(window, surface);
        SDL_FreeSurface(surface);
    }
}

void SdlWindow::ShowMessageBox(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), window);
}

void SdlWindow::RunMoveLoop() {
    if (window == nullptr) {
        return;
    }
    int startMouseX = 0, startMouseY = 0, startX = 0, startY = 0;
    SDL_GetGlobalMouseState(&startMouseX, &startMouseY);
    SDL_GetWindowPosition(window, &startX, &startY);
    SDL_CaptureMouse(SDL_TRUE);
    for (;;) {
        SDL_PumpEvents();
        int mouseX = 0, mouseY = 0;
        if ((SDL_GetGlobalMouseState(&mouseX, &mouseY) & SDL_BUTTON_LMASK) == 0) {
            break;
        }
        SDL_SetWindowPosition(window, startX + mouseX - startMouseX, startY + mouseY - startMouseY);
        SDL_Delay(8);
    }
    SDL_CaptureMouse(SDL_FALSE);
    // The button went up inside the loop; the game still sees the release.
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    PostMouse(MouseAction::LeftUp, x, y);
    Post(Event::Of(EventKind::Moved));
}

void SdlWindow::Minimize() {
    if (window != nullptr) {
        SDL_MinimizeWindow(window);
    }
}

} // namespace platform
