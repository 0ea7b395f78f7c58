#pragma once

#include <cstdint>
#include <memory>

#include "scene/Element.h"

namespace platform {
class Clock;
class TextRenderer;
} // namespace platform

namespace widgets {

// Collects typed characters (GBK bytes) and draws them with a blinking caret while focused.
class TextField : public scene::Element {
public:
    // Bits of modeFlags.
    static constexpr std::uint32_t kAcceptsText = 1;
    static constexpr std::uint32_t kMakesBuffer = 2;

    // Draws its text with `renderer` and blinks its caret by `clock`; both must outlive the
    // field.
    TextField(platform::TextRenderer& renderer, const platform::Clock& clock);
    ~TextField() override;

    // Places and sizes the field and sets its mode and colour (a GDI colour, 0x00BBGGRR); with
    // either mode bit set it also replaces the text buffer with one of `capacity` bytes that
    // keeps as much of the text as fits in whole characters. Does nothing at all when
    // capacity <= 0.
    void Configure(int x, int y, int width, int height, int capacity, int modeFlags,
                   std::uint32_t color);
    void SetFocused(int on);
    // The buffer (null without one) and, in `outLength`, how many bytes of text it holds.
    const char* GetText(int& outLength) const;
    // Empties the text and zeroes the whole buffer.
    void Clear();
    // Takes a typed character when focused, accepting text and holding a buffer: 8 (Backspace)
    // removes the last GBK character, other control characters (below 0x20, and 0x7F) are
    // ignored, any other low byte is appended while there is room.
    void OnChar(int code);

    void ReleaseSurfaces() override;
    // Draws the text and, while focused, the caret after it, onto the target's back buffer.
    void Draw(gfx::Display& target) override;

    int focused = 0;
    std::unique_ptr<char[]> buffer;
    std::uint32_t color = 0xFFFFFF;
    int capacity = 0;
    int configured = 0;
    std::uint32_t modeFlags = 0;
    int length = 0;

private:
    // The caret's blink: when the caret was last drawn or hidden, and when the current phase
    // began.
    struct Blink {
        bool started = false;
        std::uint32_t last = 0;
        std::uint32_t phaseStart = 0;
    };

    void Backspace();
    bool CaretShown();

    // Both null until the field has them.
    platform::TextRenderer* renderer = nullptr;
    const platform::Clock* clock = nullptr;
    Blink blink;

    // The size of `buffer`. It differs from `capacity` after a Configure that kept the old
    // buffer while changing the capacity.
    int bufferSize = 0;
};

} // namespace widgets
