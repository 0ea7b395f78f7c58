#include "platform/ShownFrame.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace platform {

namespace {

const std::uint16_t* RowAt(const std::uint16_t* pixels, int y, int pitch) {
    return reinterpret_cast<const std::uint16_t*>(reinterpret_cast<const std::uint8_t*>(pixels) +
                                                  static_cast<std::ptrdiff_t>(y) * pitch);
}

} // namespace

const std::vector<Rect>& ShownFrame::Replace(const std::uint16_t* pixels, int newWidth,
                                             int newHeight, int pitch) {
    changed.clear();
    if (!known || newWidth != width || newHeight != height) {
        TakeWhole(pixels, newWidth, newHeight, pitch);
        return changed;
    }
    inBand = false;
    for (int y = 0; y < height; ++y) {
        TakeRow(RowAt(pixels, y, pitch), y);
    }
    return changed;
}

void ShownFrame::TakeWhole(const std::uint16_t* pixels, int newWidth, int newHeight, int pitch) {
    width = newWidth;
    height = newHeight;
    known = true;
    shown.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        std::memcpy(&shown[static_cast<std::size_t>(y) * width], RowAt(pixels, y, pitch),
                    static_cast<std::size_t>(width) * 2);
    }
    if (width > 0 && height > 0) {
        changed.push_back({0, 0, width, height});
    }
}

void ShownFrame::TakeRow(const std::uint16_t* row, int y) {
    std::uint16_t* const old = &shown[static_cast<std::size_t>(y) * width];
    // Most rows are unchanged; one comparison of the whole row tells.
    if (std::memcmp(row, old, static_cast<std::size_t>(width) * 2) == 0) {
        inBand = false;
        return;
    }
    const int left = static_cast<int>(std::mismatch(row, row + width, old).first - row);
    int right = width;
    while (row[right - 1] == old[right - 1]) {
        --right;
    }
    std::copy(row + left, row + right, old + left);
    if (inBand) {
        Rect& band = changed.back();
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
        band.bottom = y + 1;
    } else {
        changed.push_back({left, y, right, y + 1});
        inBand = true;
    }
}

} // namespace platform
