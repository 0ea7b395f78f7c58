#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Rect.h"

namespace platform {

// Draws GBK text in GNU Unifont at 16 pixels into RGB565 pixel buffers. Every GBK byte advances
// the pen 8 pixels (half-width characters take one byte and 8 pixels, full-width ones two bytes
// and 16), and a line is 16 pixels high with its baseline `Baseline()` pixels below the top.
// Glyphs are drawn crisp: a pixel is either the text colour or left as it was.
//
// Without the font the renderer is unavailable and draws nothing. Not thread-safe: a renderer is
// used from the main thread only. The game's renderer belongs to its platform (Platform::Text).
class TextRenderer {
public:
    static constexpr int kPixelSize = 16;
    static constexpr int kByteAdvance = 8;

    // Uses the font FindUnifont() finds, looked for when the renderer is first used (a draw, or
    // Available or Baseline); says so on stderr when there is none.
    TextRenderer();
    // Uses the font file at `fontPath`, silently unavailable when it cannot be opened.
    explicit TextRenderer(const std::string& fontPath);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // The Unifont file of the system (UnifontFile); empty when there is none.
    static std::string FindUnifont();

    bool Available();
    // Rows from the top of a line to its baseline, from the font's ascender.
    int Baseline();

    // Draws `gbk` with its top-left corner at (x, y) of the width x height buffer `pixels`
    // (rows `pitchBytes` apart), touching only pixels inside `clip` and the buffer. Only glyph
    // pixels are written, in `color` (0x00RRGGBB) truncated to RGB565; control characters draw
    // nothing but still advance. False, with nothing drawn, when the renderer is unavailable
    // or `pixels` is null.
    bool Draw(std::uint16_t* pixels, int pitchBytes, int width, int height, int x, int y,
              std::string_view gbk, std::uint32_t color, const Rect& clip);

private:
    // A rendered glyph: one byte per pixel, 1 where ink is, placed relative to the pen position
    // on the baseline (left to the right, top upwards).
    struct Glyph {
        int left = 0;
        int top = 0;
        int width = 0;
        int rows = 0;
        std::vector<std::uint8_t> ink;
    };
    // Where glyphs go: the buffer, its stride in pixels, the clip within it and the pixel value.
    struct Target {
        std::uint16_t* pixels;
        std::ptrdiff_t stride;
        Rect area;
        std::uint16_t pixel;
    };
    struct Face;

    // Looks for the system's font if that is still to be done.
    void OpenSystemFont();
    void Open(const std::string& fontPath);
    const Glyph& GlyphFor(char32_t codePoint);
    Glyph Render(char32_t codePoint) const;
    static void DrawGlyph(const Glyph& glyph, std::int64_t penX, std::int64_t baselineY,
                          const Target& target);

    // The system's font is still to be looked for.
    bool findSystemFont = false;
    std::unique_ptr<Face> face;
    int baseline = 0;
    std::unordered_map<char32_t, Glyph> glyphs;
};

} // namespace platform
