#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

enum class Transparency {
    // Every pixel drawn; any alpha is composited over black.
    Opaque,
    // Pixels below half alpha become the key colour, exact magenta 0xFF00FF; the rest are opaque
    // in their own colour, so no edge blends into the key.
    Keyed,
};

// Writes Windows BMP files the game's loader reads: 24-bit bottom-up, or 8-bit with a palette
// when the 24-bit file would be shorter than the 1078 bytes the loader asks for.
class BmpWriter {
public:
    static constexpr std::uint32_t kKey = 0xFF00FF;
    static constexpr std::size_t kMinimumFileSize = 1078;

    // Top-down 0xAARRGGBB pixels to the bytes of a BMP file.
    // `paletted` asks for 8 bits a pixel whatever the size (colours reduced to 256), for the
    // many small strips the game loads at once.
    static std::string Encode(int width, int height, const std::vector<std::uint32_t>& pixels,
                              Transparency transparency, bool paletted = false);
    // The pixels as they will be stored: keyed or flattened, and nudged so no opaque colour
    // becomes the key after truncation to 5-6-5.
    static std::vector<std::uint32_t> Flatten(const std::vector<std::uint32_t>& pixels,
                                              Transparency transparency);

private:
    static std::string Encode24(int width, int height, const std::vector<std::uint32_t>& rgb);
    static std::string Encode8(int width, int height, const std::vector<std::uint32_t>& rgb);
};

} // namespace assetgen
