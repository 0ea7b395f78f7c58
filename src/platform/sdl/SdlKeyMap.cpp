#include "platform/sdl/SdlKeyMap.h"

#include <SDL_scancode.h>

#include "platform/KeyBuffer.h"

namespace platform {
namespace {

// Desktop scancodes run A..Z and 1..9, 0 in order; the key codes follow the keyboard rows.
constexpr std::uint32_t kLetters[] = {DIK_A, DIK_B, DIK_C, DIK_D, DIK_E, DIK_F, DIK_G, DIK_H, DIK_I,
                                      DIK_J, DIK_K, DIK_L, DIK_M, DIK_N, DIK_O, DIK_P, DIK_Q, DIK_R,
                                      DIK_S, DIK_T, DIK_U, DIK_V, DIK_W, DIK_X, DIK_Y, DIK_Z};
static_assert(sizeof kLetters / sizeof kLetters[0] == SDL_SCANCODE_Z - SDL_SCANCODE_A + 1);
static_assert(SDL_SCANCODE_0 - SDL_SCANCODE_1 == 9 && DIK_0 - DIK_1 == 9);

} // namespace

std::uint32_t DikFromScancode(int sdlScancode) {
    if (sdlScancode >= SDL_SCANCODE_A && sdlScancode <= SDL_SCANCODE_Z) {
        return kLetters[sdlScancode - SDL_SCANCODE_A];
    }
    if (sdlScancode >= SDL_SCANCODE_1 && sdlScancode <= SDL_SCANCODE_0) {
        return DIK_1 + static_cast<std::uint32_t>(sdlScancode - SDL_SCANCODE_1);
    }
    switch (sdlScancode) {
    case SDL_SCANCODE_ESCAPE:
        return DIK_ESCAPE;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return DIK_RETURN;
    case SDL_SCANCODE_BACKSPACE:
        return DIK_BACK;
    case SDL_SCANCODE_TAB:
        return DIK_TAB;
    case SDL_SCANCODE_SPACE:
        return DIK_SPACE;
    case SDL_SCANCODE_UP:
        return DIK_UP;
    case SDL_SCANCODE_LEFT:
        return DIK_LEFT;
    case SDL_SCANCODE_RIGHT:
        return DIK_RIGHT;
    case SDL_SCANCODE_DOWN:
        return DIK_DOWN;
    case SDL_SCANCODE_PAGEUP:
        return DIK_PRIOR;
    case SDL_SCANCODE_PAGEDOWN:
        return DIK_NEXT;
    case SDL_SCANCODE_LSHIFT:
        return DIK_LSHIFT;
    case SDL_SCANCODE_RSHIFT:
        return DIK_RSHIFT;
    default:
        return 0;
    }
}

} // namespace platform
