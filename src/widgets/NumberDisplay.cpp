#include "widgets/NumberDisplay.h"

#include <algorithm>

namespace widgets {

namespace {

constexpr int kDigitFrames = 10;

} // namespace

NumberDisplay::NumberDisplay() = default;

NumberDisplay::~NumberDisplay() = default;

int NumberDisplay::Load(gfx::Display& display, std::string_view path, int newX, int newY,
                        int stripWidth, int stripHeight, int newMinDigits) {
    const int loaded =
        digits.LoadImage(display, path, newX, newY, stripWidth, stripHeight, kDigitFrames);
    // Every display set-up loads again: the strip is listed once, not once per load.
    if (std::find(Children().begin(), Children().end(), &digits) == Children().end()) {
        AddChild(&digits);
    }
    minDigits = newMinDigits;
    MarkChanged();
    return loaded;
}

void NumberDisplay::SetValue(int v) {
    if (v >= 0 && v != value) {
        value = v;
        MarkChanged();
    }
}

void NumberDisplay::StampAt(gfx::Display& target, int left) {
    digits.SetPosition(left, digits.y);
    digits.Draw(target);
}

void NumberDisplay::Draw(gfx::Display& target) {
    const int digitWidth = digits.width;
    const int visibleWidth = sourceRect.Width();
    int shown = 0;
    for (int v = value; v != 0; v /= 10) {
        ++shown;
        digits.SetFrame(v % 10 + 1);
        StampAt(target, visibleWidth - shown * digitWidth);
    }
    digits.SetFrame(1);
    for (int j = minDigits; j > shown; --j) {
        StampAt(target, visibleWidth - j * digitWidth);
    }
}

} // namespace widgets
