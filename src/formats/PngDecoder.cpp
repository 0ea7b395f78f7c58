#include "formats/PngDecoder.h"

#include <bit>
#include <csetjmp>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include <png.h>

namespace formats {
namespace {

constexpr std::size_t kSignatureSize = 8;
// Images with more pixels are refused before the pixel buffer (4 bytes a pixel) is allocated.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 24;
// Ancillary chunks are skipped unread, so none needs to be big; a longer chunk fails the decode.
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t{1} << 20;
constexpr png_uint_32 kMaxCachedChunks = 128;
// On a little-endian machine B, G, R, A bytes are the word 0xAARRGGBB: libpng writes them so.
constexpr bool kBgra = std::endian::native == std::endian::little;

// The file in memory and how much of it libpng has consumed.
struct MemoryInput {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t offset = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, std::size_t length) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (length > input->size - input->offset) {
        png_error(png, "unexpected end of file");
    }
    std::memcpy(out, input->data + input->offset, length);
    input->offset += length;
}

// Every libpng error lands here and jumps back to the setjmp in ReadHeader or ReadRows.
[[noreturn]] void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Warnings (including recoverable problems libpng works around) are not worth any output.
void OnWarning(png_structp, png_const_charp) {}

// Owns libpng's read and info structs and destroys them on every path.
class ReadStructs {
public:
    ReadStructs()
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning)) {
        if (png_ != nullptr) {
            info_ = png_create_info_struct(png_);
        }
    }
    ~ReadStructs() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStructs(const ReadStructs&) = delete;
    ReadStructs& operator=(const ReadStructs&) = delete;

    bool Valid() const { return png_ != nullptr && info_ != nullptr; }
    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

struct Header {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    bool hasAlpha = false;
};

// Reads the chunks before the image data and sets libpng up to deliver 8-bit RGBA rows.
// Nothing in this frame has a destructor, so a longjmp out of libpng skips no cleanup.
bool ReadHeader(png_structp png, png_infop info, MemoryInput& input, Header& header) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_read_fn(png, &input, ReadFromMemory);
    png_set_user_limits(png, PngDecoder::kMaxDimension, PngDecoder::kMaxDimension);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_set_chunk_cache_max(png, kMaxCachedChunks);
    // Skip every ancillary chunk but tRNS: no gamma or colour management, samples as stored.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_read_info(png, info);

    png_set_expand(png);   // palette to RGB, gray below 8 bits to 8, tRNS to an alpha channel
    png_set_scale_16(png); // 16-bit samples to 8 bits, rounded to nearest
    png_set_gray_to_rgb(png);
    if constexpr (kBgra) {
        png_set_bgr(png);
    }
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER); // opaque alpha when the file has none
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    header.width = png_get_image_width(png, info);
    header.height = png_get_image_height(png, info);
    // The filler byte does not mark the colour type as having alpha; tRNS expansion does.
    header.hasAlpha = (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) != 0;
    return png_get_bit_depth(png, info) == 8 && png_get_channels(png, info) == 4 &&
           png_get_rowbytes(png, info) == std::size_t{header.width} * 4;
}

// Decodes all rows (every pass when interlaced) and checks the rest of the file up to IEND.
bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

bool AllocateRows(const Header& header, std::vector<std::uint32_t>& pixels,
                  std::vector<png_bytep>& rows) {
    try {
        pixels.resize(std::size_t{header.width} * header.height);
        rows.resize(header.height);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y] = reinterpret_cast<png_bytep>(pixels.data() + y * header.width);
    }
    return true;
}

// libpng wrote each pixel's bytes in the order asked for: B, G, R, A on a little-endian machine,
// already the word 0xAARRGGBB; R, G, B, A elsewhere, repacked here.
void PackArgb(std::vector<std::uint32_t>& pixels) {
    if constexpr (kBgra) {
        return;
    }
    for (std::uint32_t& pixel : pixels) {
        std::uint8_t rgba[4];
        std::memcpy(rgba, &pixel, sizeof rgba);
        pixel = std::uint32_t{rgba[3]} << 24 | std::uint32_t{rgba[0]} << 16 |
                std::uint32_t{rgba[1]} << 8 | rgba[2];
    }
}

} // namespace

bool PngDecoder::Decode(const std::uint8_t* data, std::size_t size, DecodedImage& image) {
    image = DecodedImage{};
    if (data == nullptr || size < kSignatureSize || png_sig_cmp(data, 0, kSignatureSize) != 0) {
        return false;
    }
    const ReadStructs structs;
    if (!structs.Valid()) {
        return false;
    }
    MemoryInput input{data, size, 0};
    Header header;
    if (!ReadHeader(structs.Png(), structs.Info(), input, header) ||
        std::uint64_t{header.width} * header.height > kMaxPixels) {
        return false;
    }
    DecodedImage result;
    std::vector<png_bytep> rows;
    if (!AllocateRows(header, result.pixels, rows) || !ReadRows(structs.Png(), rows.data())) {
        return false;
    }
    PackArgb(result.pixels);
    result.width = static_cast<int>(header.width);
    result.height = static_cast<int>(header.height);
    result.hasAlpha = header.hasAlpha;
    image = std::move(result);
    return true;
}

} // namespace formats
