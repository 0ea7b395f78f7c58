#pragma once

#include <cstdint>
#include <string_view>

#include "scene/Picture.h"

namespace widgets {

enum class ButtonState : std::int32_t {
    Normal = 0,
    Hover = 1,
    Pressed = 2,
    Clicked = 3,
};

// A push button: a picture whose strip holds five equal frames (1 normal and after a release,
// 2 hover, 3 pressed, 4 disabled) and which follows the mouse through a small state machine.
// It routes nothing itself: the owning screen hands it every mouse event and acts on a true
// result (a press to play the click, a release to run its command).
class Button : public scene::Picture {
public:
    Button();
    // Loads the strip when stripWidth and height are both non-zero.
    Button(gfx::Display& display, std::string_view path, int x, int y, int stripWidth, int height);
    ~Button() override;

    // Loads a five-frame strip; nothing when stripWidth or height is 0. On success an enabled
    // button starts Normal on frame 1, a disabled one shows frame 4. Returns LoadImage's result,
    // or 0 when nothing was loaded.
    int Load(gfx::Display& display, std::string_view path, int x, int y, int stripWidth,
             int height);

    // Strictly inside the full frame: the first column and row do not count, and the clip of
    // the parent plays no part.
    bool HitTest(int x, int y) const;
    // True when the press lands on a visible, enabled button, which then shows Pressed.
    bool OnMouseDown(int x, int y);
    // True when the release lands on a visible, enabled button, wherever the press began.
    bool OnMouseUp(int x, int y);
    // True while the pointer is over a visible, enabled button; leaving it cancels a press.
    bool OnMouseMove(int x, int y);
    // Disabling shows frame 4 at once; enabling keeps it until the next mouse call or Load.
    void SetEnabled(bool on);

    int enabled = 1;
    ButtonState state = ButtonState::Normal;

private:
    void Show(ButtonState newState, int frame);
};

} // namespace widgets
