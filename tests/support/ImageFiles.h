#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Image files for tests, built in memory from top-down rows of 0x00RRGGBB (or 0xAARRGGBB for
// PNG) pixels.

// An 8-bit palette bitmap (at least 1078 bytes, so the game can load it); at most 256 colours.
std::string EncodeBmp8(int width, int height, const std::vector<std::uint32_t>& pixels);
// A 24-bit bitmap, bottom-up.
std::string EncodeBmp24(int width, int height, const std::vector<std::uint32_t>& pixels);
// An 8-bit RGBA PNG.
std::string EncodePngRgba(int width, int height, const std::vector<std::uint32_t>& pixels);
