#include "widgets/Button.h"

namespace widgets {

namespace {

constexpr int kFrames = 5;
constexpr int kNormalFrame = 1;
constexpr int kHoverFrame = 2;
constexpr int kPressedFrame = 3;
constexpr int kDisabledFrame = 4;

} // namespace

Button::Button() = default;

Button::Button(gfx::Display& display, std::string_view path, int newX, int newY, int stripWidth,
               int stripHeight) {
    Load(display, path, newX, newY, stripWidth, stripHeight);
}

Button::~Button() = default;

int Button::Load(gfx::Display& display, std::string_view path, int newX, int newY, int stripWidth,
                 int stripHeight) {
    if (stripWidth == 0 || stripHeight == 0) {
        return 0;
    }
    const int loaded = LoadImage(display, path, newX, newY, stripWidth, stripHeight, kFrames);
    // A negative result is a refused colour key: a failure like 0.
    if (loaded <= 0) {
        return loaded;
    }
    if (enabled != 0) {
        Show(ButtonState::Normal, kNormalFrame);
    } else {
        SetFrame(kDisabledFrame);
    }
    return loaded;
}

bool Button::HitTest(int px, int py) const {
    return screenX < px && px < screenX + width && screenY < py && py < screenY + height;
}

bool Button::OnMouseDown(int px, int py) {
    if (visible == 0 || enabled == 0 || !HitTest(px, py)) {
        return false;
    }
    Show(ButtonState::Pressed, kPressedFrame);
    return true;
}

bool Button::OnMouseUp(int px, int py) {
    if (visible == 0 || enabled == 0) {
        return false;
    }
    const bool inside = HitTest(px, py);
    Show(inside ? ButtonState::Clicked : ButtonState::Normal, kNormalFrame);
    return inside;
}

bool Button::OnMouseMove(int px, int py) {
    if (visible == 0 || enabled == 0) {
        return false;
    }
    if (!HitTest(px, py)) {
        Show(ButtonState::Normal, kNormalFrame);
        return false;
    }
    if (state != ButtonState::Pressed) {
        Show(ButtonState::Hover, kHoverFrame);
    }
    return true;
}

void Button::SetEnabled(bool on) {
    enabled = on ? 1 : 0;
    if (!on) {
        SetFrame(kDisabledFrame);
    }
}

void Button::Show(ButtonState newState, int frame) {
    state = newState;
    SetFrame(frame);
}

} // namespace widgets
