#include "gfx/Bitmap.h"

#include "formats/BmpDecoder.h"
#include "platform/FileSystem.h"

namespace gfx {

std::vector<std::uint32_t> Bitmap::Scale(const std::vector<std::uint32_t>& source, int sourceWidth,
                                         int sourceHeight, int width, int height) {
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(width) * height);
    std::vector<int> columns(width);
    for (int x = 0; x < width; ++x) {
        columns[x] = static_cast<int>(static_cast<long long>(x) * sourceWidth / width);
    }
    for (int y = 0; y < height; ++y) {
        const int sourceRow = static_cast<int>(static_cast<long long>(y) * sourceHeight / height);
        const std::uint32_t* in = source.data() + static_cast<std::size_t>(sourceRow) * sourceWidth;
        std::uint32_t* out = scaled.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            out[x] = in[columns[x]];
        }
    }
    return scaled;
}

std::unique_ptr<Bitmap> Bitmap::Load(std::string_view path, int width, int height) {
    std::string bytes;
    if (platform::ReadWholeFile(path, bytes, kMaxFileBytes) != platform::ReadResult::Ok) {
        return nullptr;
    }
    return FromFile(bytes, width, height);
}

std::unique_ptr<Bitmap> Bitmap::FromFile(const std::string& bytes, int width, int height) {
    formats::DecodedImage image;
    if (!formats::BmpDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     bytes.size(), image)) {
        return nullptr;
    }
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->width = width > 0 ? width : image.width;
    bitmap->height = height > 0 ? height : image.height;
    if (bitmap->width == image.width && bitmap->height == image.height) {
        bitmap->pixels = std::move(image.pixels);
    } else {
        bitmap->pixels =
            Scale(image.pixels, image.width, image.height, bitmap->width, bitmap->height);
    }
    for (std::uint32_t& pixel : bitmap->pixels) {
        pixel &= 0xFFFFFF;
    }
    return bitmap;
}

} // namespace gfx
