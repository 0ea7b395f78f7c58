#pragma once

#include <cstdint>
#include <vector>

#include "platform/Rect.h"

namespace platform {

// The RGB565 frame last shown, and what a new frame changes in it: the bands of consecutive
// changed rows, each as wide as the columns that changed in any of its rows. A small animation
// on a still screen is then a small rectangle to convert and send.
class ShownFrame {
public:
    // Takes the frame (rows `pitch` bytes apart) as the one shown and returns where it differs
    // from the one before, top to bottom; empty when nothing changed. The first frame, one of
    // another size and the one after Forget come back whole.
    const std::vector<Rect>& Replace(const std::uint16_t* pixels, int width, int height, int pitch);
    // The picture on the screen is no longer known: the next frame comes back whole.
    void Forget() { known = false; }

private:
    void TakeWhole(const std::uint16_t* pixels, int width, int height, int pitch);
    // Copies the changed columns of row y, if any, and widens or starts the band they belong to.
    void TakeRow(const std::uint16_t* row, int y);

    std::vector<std::uint16_t> shown;
    int width = 0;
    int height = 0;
    bool known = false;
    std::vector<Rect> changed;
    // Whether the last band in `changed` ends at the row before the one being compared.
    bool inBand = false;
};

} // namespace platform
