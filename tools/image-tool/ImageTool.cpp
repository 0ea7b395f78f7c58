#include "ImageTool.h"

#include <memory>

#include "formats/PngDecoder.h"
#include "formats/PngEncoder.h"
#include "gfx/Bitmap.h"
#include "gfx/PixelKernels.h"
#include "platform/FileSystem.h"

using namespace gfx;

namespace {

constexpr std::uint16_t kKey = 0xF81F;

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

int ImageTool::Run(const std::vector<std::string>& arguments) {
    if (arguments.size() == 2 && arguments[0] == "info") {
        return Info(arguments[1]);
    }
    if (arguments.size() == 3 && arguments[0] == "convert") {
        return Convert(arguments[1], arguments[2]);
    }
    return Usage();
}

int ImageTool::Usage() {
    err << "usage: image-tool info FILE\n"
           "       image-tool convert FILE OUT.png\n";
    return 2;
}

bool ImageTool::Load(const std::string& path, Image& image) {
    std::string bytes;
    if (platform::ReadWholeFile(path, bytes, 256u << 20) != platform::ReadResult::Ok) {
        err << "image-tool: " << path << ": cannot read the file\n";
        return false;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    formats::DecodedImage png;
    if (formats::PngDecoder::Decode(data, bytes.size(), png)) {
        image = {png.width, png.height, std::move(png.pixels), png.hasAlpha ? "alpha" : "none"};
        return true;
    }
    const std::unique_ptr<Bitmap> bitmap = Bitmap::Load(path, 0, 0);
    if (!bitmap) {
        err << "image-tool: " << path << ": neither a bitmap nor a PNG image the game can read\n";
        return false;
    }
    image.width = bitmap->Width();
    image.height = bitmap->Height();
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint16_t pixel = PixelKernels::ToRgb565(bitmap->Row(y)[x]);
            const bool key = pixel == kKey;
            image.transparency = key ? "key" : image.transparency;
            image.pixels[static_cast<std::size_t>(y) * image.width + x] =
                key ? 0 : 0xFF000000 | PixelKernels::ToRgb888(pixel);
        }
    }
    return true;
}

int ImageTool::Info(const std::string& path) {
    Image image;
    if (!Load(path, image)) {
        return 2;
    }
    out << image.width << " " << image.height << " " << image.transparency << "\n";
    return 0;
}

int ImageTool::Convert(const std::string& path, const std::string& outPath) {
    if (!EndsWith(outPath, ".png")) {
        err << "image-tool: " << outPath << ": the output must be a .png file\n";
        return 2;
    }
    Image image;
    if (!Load(path, image)) {
        return 2;
    }
    const std::string png = formats::PngEncoder::Encode(image.width, image.height, image.pixels);
    if (png.empty() || !platform::WriteFileAtomically(outPath, png)) {
        err << "image-tool: " << outPath << ": cannot write the file\n";
        return 2;
    }
    return 0;
}
