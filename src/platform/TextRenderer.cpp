#include "platform/TextRenderer.h"

#include <algorithm>
#include <cstdio>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/FileSystem.h"
#include "platform/GbkText.h"
#include "platform/UnifontFile.h"

namespace platform {

// The FreeType library and the open face, released together. FreeType reads the font file on
// demand through the game's own file opening, which takes any path the system can name.
struct TextRenderer::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FilePtr file;
    FT_StreamRec stream{};

    ~Face() {
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
    }

    bool OpenStream(const std::string& path) {
        file = OpenFile(path, "rb");
        if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) {
            return false;
        }
        const long size = std::ftell(file.get());
        if (size <= 0) {
            return false;
        }
        stream.size = static_cast<unsigned long>(size);
        stream.descriptor.pointer = file.get();
        stream.read = &Read;
        return true;
    }

    // FreeType's stream read: a seek alone when `count` is 0, which returns 0 on success.
    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                              unsigned long count) {
        auto* file = static_cast<std::FILE*>(stream->descriptor.pointer);
        if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) {
            return count == 0 ? 1 : 0;
        }
        return count == 0 ? 0 : static_cast<unsigned long>(std::fread(buffer, 1, count, file));
    }
};

namespace {

// Truncates each channel of 0x00RRGGBB to RGB565.
std::uint16_t ToRgb565(std::uint32_t rgb) {
    return static_cast<std::uint16_t>(((rgb >> 8) & 0xF800) | ((rgb >> 5) & 0x07E0) |
                                      ((rgb >> 3) & 0x001F));
}

// Control characters have no visible form; Unifont draws them as wide boxes.
bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || codePoint == 0x7F;
}

} // namespace

TextRenderer::TextRenderer() : findSystemFont(true) {}

TextRenderer::TextRenderer(const std::string& fontPath) {
    Open(fontPath);
}

TextRenderer::~TextRenderer() = default;

std::string TextRenderer::FindUnifont() {
    return UnifontFile::Find();
}

bool TextRenderer::Available() {
    OpenSystemFont();
    return face != nullptr;
}

int TextRenderer::Baseline() {
    OpenSystemFont();
    return baseline;
}

void TextRenderer::OpenSystemFont() {
    if (!findSystemFont) {
        return;
    }
    findSystemFont = false;
    const std::string path = FindUnifont();
    if (!path.empty()) {
        Open(path);
    }
    if (face == nullptr) {
        std::fputs("text renderer: GNU Unifont not found; text will not be drawn\n", stderr);
    }
}

void TextRenderer::Open(const std::string& fontPath) {
    auto opened = std::make_unique<Face>();
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = &opened->stream;
    if (!opened->OpenStream(fontPath) || FT_Init_FreeType(&opened->library) != 0 ||
        FT_Open_Face(opened->library, &args, 0, &opened->face) != 0 ||
        FT_Set_Pixel_Sizes(opened->face, 0, kPixelSize) != 0) {
        return;
    }
    // The ascender in 26.6 pixels, rounded; kept inside the line so the ascent stays in it.
    const FT_Pos ascender = opened->face->size->metrics.ascender;
    baseline = std::clamp(static_cast<int>((ascender + 32) / 64), 0, kPixelSize);
    face = std::move(opened);
}

const TextRenderer::Glyph& TextRenderer::GlyphFor(char32_t codePoint) {
    auto found = glyphs.find(codePoint);
    if (found == glyphs.end()) {
        found = glyphs.emplace(codePoint, Render(codePoint)).first;
    }
    return found->second;
}

TextRenderer::Glyph TextRenderer::Render(char32_t codePoint) const {
    Glyph glyph;
    FT_Face ftFace = face->face;
    if (FT_Load_Char(ftFace, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
        return glyph;
    }
    const FT_GlyphSlot slot = ftFace->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if ((!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) || bitmap.pitch < 0) {
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.ink.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* source =
            bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        std::uint8_t* ink = glyph.ink.data() + static_cast<std::size_t>(row) * glyph.width;
        for (int column = 0; column < glyph.width; ++column) {
            // Grey coverage is thresholded at one half, so the result matches the mono one.
            ink[column] =
                mono ? (source[column / 8] >> (7 - column % 8)) & 1 : source[column] >= 128;
        }
    }
    return glyph;
}

bool TextRenderer::Draw(std::uint16_t* pixels, int pitchBytes, int width, int height, int x, int y,
                        std::string_view gbk, std::uint32_t color, const Rect& clip) {
    if (!Available() || pixels == nullptr) {
        return false;
    }
    const Target target{pixels, pitchBytes / 2, clip.Intersect({0, 0, width, height}),
                        ToRgb565(color)};
    if (target.area.IsEmpty()) {
        return true;
    }
    // 64-bit pen positions: long text far off to one side cannot overflow them.
    std::int64_t penX = x;
    const std::int64_t baselineY = std::int64_t{y} + baseline;
    char32_t codePoint = 0;
    // A glyph reaches at most one full-width cell left of its pen position, so once the pen is
    // that far right of the clip nothing more can show.
    while (penX < std::int64_t{target.area.right} + kPixelSize) {
        const std::size_t used = GbkText::NextCharacter(gbk, codePoint);
        if (used == 0) {
            break;
        }
        if (!IsControl(codePoint)) {
            DrawGlyph(GlyphFor(codePoint), penX, baselineY, target);
        }
        penX += static_cast<std::int64_t>(used) * kByteAdvance;
        gbk.remove_prefix(used);
    }
    return true;
}

void TextRenderer::DrawGlyph(const Glyph& glyph, std::int64_t penX, std::int64_t baselineY,
                             const Target& target) {
    const std::int64_t left = penX + glyph.left;
    const std::int64_t top = baselineY - glyph.top;
    const Rect& area = target.area;
    const std::int64_t x0 = std::max<std::int64_t>(left, area.left);
    const std::int64_t x1 = std::min<std::int64_t>(left + glyph.width, area.right);
    const std::int64_t y0 = std::max<std::int64_t>(top, area.top);
    const std::int64_t y1 = std::min<std::int64_t>(top + glyph.rows, area.bottom);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const auto count = static_cast<int>(x1 - x0);
    for (std::int64_t row = y0; row < y1; ++row) {
        const std::uint8_t* ink = glyph.ink.data() + (row - top) * glyph.width + (x0 - left);
        std::uint16_t* dest = target.pixels + row * target.stride + x0;
        for (int i = 0; i < count; ++i) {
            if (ink[i] != 0) {
                dest[i] = target.pixel;
            }
        }
    }
}

} // namespace platform
