#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// An icon as Windows made it from its file or resource: the size it chose and its pixels, top
// row first, 0xAARRGGBB.
struct IconPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;

    // Reads the icon's colour bitmap; width 0 when it has none.
    static IconPixels Of(HICON icon);
    // The icon Windows makes of one stored picture (a PNG or a bitmap) at a size.
    static IconPixels OfPicture(std::string picture, int size);
};
