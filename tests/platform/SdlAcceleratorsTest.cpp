#include <gtest/gtest.h>

#include <SDL_keyboard.h>
#include <initializer_list>

#include "platform/sdl/SdlAccelerators.h"

namespace {

using platform::AcceleratorCommand;
using platform::CommandId;

TEST(SdlAcceleratorsTest, CtrlWithPlusMinusAndZeroSetTheZoom) {
    for (const int ctrl : std::initializer_list<int>{
             KMOD_LCTRL, KMOD_RCTRL, KMOD_LCTRL | KMOD_LSHIFT, KMOD_RCTRL | KMOD_NUM}) {
        // Plus is typed with Shift on the = key on many keyboards, and has a key of its own on
        // others; both, and the keypad's, zoom in.
        for (const int key : {SDLK_EQUALS, SDLK_PLUS, SDLK_KP_PLUS}) {
            EXPECT_EQ(AcceleratorCommand(key, ctrl), CommandId::ZoomIn) << key << ' ' << ctrl;
        }
        for (const int key : {SDLK_MINUS, SDLK_KP_MINUS}) {
            EXPECT_EQ(AcceleratorCommand(key, ctrl), CommandId::ZoomOut) << key << ' ' << ctrl;
        }
        for (const int key : {SDLK_0, SDLK_KP_0}) {
            EXPECT_EQ(AcceleratorCommand(key, ctrl), CommandId::ZoomReset) << key << ' ' << ctrl;
        }
    }
}

TEST(SdlAcceleratorsTest, AltEnterStillSwitchesFullScreen) {
    for (const int key : {SDLK_RETURN, SDLK_KP_ENTER}) {
        EXPECT_EQ(AcceleratorCommand(key, KMOD_LALT), CommandId::ToggleFullScreen);
        EXPECT_EQ(AcceleratorCommand(key, KMOD_RALT | KMOD_LCTRL), CommandId::ToggleFullScreen);
        EXPECT_EQ(AcceleratorCommand(key, KMOD_NONE), std::nullopt);
        EXPECT_EQ(AcceleratorCommand(key, KMOD_LCTRL), std::nullopt);
    }
}

TEST(SdlAcceleratorsTest, TheSameKeysWithoutCtrlOrWithAltAreTheGamesOrTyping) {
    for (const int key : {SDLK_EQUALS, SDLK_PLUS, SDLK_KP_PLUS, SDLK_MINUS, SDLK_0, SDLK_KP_0}) {
        for (const int mod : std::initializer_list<int>{KMOD_NONE, KMOD_LSHIFT, KMOD_LALT,
                                                        KMOD_LCTRL | KMOD_RALT}) {
            EXPECT_EQ(AcceleratorCommand(key, mod), std::nullopt) << key << ' ' << mod;
        }
    }
    for (const int key : {SDLK_1, SDLK_9, SDLK_a, SDLK_ESCAPE, SDLK_UP}) {
        EXPECT_EQ(AcceleratorCommand(key, KMOD_LCTRL), std::nullopt) << key;
    }
}

} // namespace
