#include "formats/PngEncoder.h"

#include <png.h>

namespace formats {

namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void Quiet(png_structp, png_const_charp) {}

void Fail(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

} // namespace

std::string PngEncoder::Encode(int width, int height, const std::vector<std::uint32_t>& pixels) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return {};
    }
    std::vector<png_byte> rgba(pixels.size() * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        rgba[4 * i] = static_cast<png_byte>(pixels[i] >> 16);
        rgba[4 * i + 1] = static_cast<png_byte>(pixels[i] >> 8);
        rgba[4 * i + 2] = static_cast<png_byte>(pixels[i]);
        rgba[4 * i + 3] = static_cast<png_byte>(pixels[i] >> 24);
    }
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Quiet);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_set_write_fn(png, &out, AppendToString, nullptr);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            png_write_row(png, &rgba[static_cast<std::size_t>(y) * width * 4]);
        }
        png_write_end(png, nullptr);
    } else {
        out.clear();
    }
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace formats
