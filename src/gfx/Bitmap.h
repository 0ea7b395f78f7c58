#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

// A bitmap read from a ".bmp" file and scaled to the size asked for: top-down rows of
// 0x00RRGGBB pixels. What the game draws into its surfaces.
class Bitmap {
public:
    // Bitmaps larger than this are not game images; refusing them bounds the read.
    static constexpr std::size_t kMaxFileBytes = 256u << 20;

    // Reads and decodes the file; a width or height of 0 keeps the file's own. Null when the file
    // cannot be read or is no bitmap.
    static std::unique_ptr<Bitmap> Load(std::string_view path, int width, int height);
    // The same from the file's bytes.
    static std::unique_ptr<Bitmap> FromFile(const std::string& bytes, int width, int height);

    // Nearest-neighbour scaling of `source` to width x height.
    static std::vector<std::uint32_t> Scale(const std::vector<std::uint32_t>& source,
                                            int sourceWidth, int sourceHeight, int width,
                                            int height);

    int Width() const { return width; }
    int Height() const { return height; }
    const std::uint32_t* Row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width;
    }

private:
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace gfx
