#include "platform/sdl/SdlAccelerators.h"

#include <SDL_keyboard.h>

namespace platform {

namespace {

std::optional<CommandId> ZoomCommand(int key) {
    switch (key) {
    case SDLK_PLUS:
    case SDLK_EQUALS:
    case SDLK_KP_PLUS:
        return CommandId::ZoomIn;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        return CommandId::ZoomOut;
    case SDLK_0:
    case SDLK_KP_0:
        return CommandId::ZoomReset;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<CommandId> AcceleratorCommand(int sdlKeycode, int sdlModifiers) {
    const bool alt = (sdlModifiers & KMOD_ALT) != 0;
    const bool ctrl = (sdlModifiers & KMOD_CTRL) != 0;
    if (alt && (sdlKeycode == SDLK_RETURN || sdlKeycode == SDLK_KP_ENTER)) {
        return CommandId::ToggleFullScreen;
    }
    // Ctrl+Alt is how some keyboards type a third character on a key: not a zoom.
    if (ctrl && !alt) {
        return ZoomCommand(sdlKeycode);
    }
    return std::nullopt;
}

} // namespace platform
