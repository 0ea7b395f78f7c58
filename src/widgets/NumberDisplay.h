#pragma once

#include <string_view>

#include "scene/Element.h"
#include "scene/Picture.h"

namespace widgets {

// Shows a non-negative whole number with a digit strip (ten frames, frame n the digit n - 1),
// right-aligned against the display's visible right edge and padded on the left with zeros up
// to a minimum number of digits. The strip is the display's only child and is stamped once per
// digit instead of being drawn by the usual walk.
class NumberDisplay : public scene::Element {
public:
    NumberDisplay();
    ~NumberDisplay() override;

    // Loads the digit strip with its row at y (relative to the display; x is set at every
    // draw), makes it the display's child and stores minDigits. Returns LoadImage's result.
    int Load(gfx::Display& display, std::string_view path, int x, int y, int stripWidth, int height,
             int minDigits);
    // A negative value is ignored and the old one stays.
    void SetValue(int v);

    void Draw(gfx::Display& target) override;

    int value = 0;
    int minDigits = 0;
    scene::Picture digits;

private:
    // Stamps the current frame of the strip with its left edge at x, relative to the display.
    void StampAt(gfx::Display& target, int x);
};

} // namespace widgets
