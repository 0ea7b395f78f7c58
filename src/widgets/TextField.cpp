#include "widgets/TextField.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "formats/GbkBytes.h"
#include "gfx/Display.h"
#include "gfx/PixelKernels.h"
#include "gfx/Surface.h"
#include "platform/Clock.h"
#include "platform/TextRenderer.h"

namespace widgets {

namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 0x7F;
constexpr int kFirstPrintable = 0x20;
constexpr int kCaretWidth = 2;
constexpr int kCaretHeight = 16;
// The caret shows while a phase is at most this old, hides until kBlinkPeriod, then a new phase
// starts.
constexpr std::uint32_t kCaretShownFor = 500;
constexpr std::uint32_t kBlinkPeriod = 1000;

// Fills the part of the rectangle at (left, top) that lies inside the surface.
void FillClipped(gfx::Surface& surface, std::int64_t left, std::int64_t top, int width, int height,
                 std::uint16_t pixel) {
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(left + width, surface.Width());
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(top + height, surface.Height());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    for (auto y = static_cast<int>(y0); y < y1; ++y) {
        std::uint16_t* row = surface.WritableRow(y);
        std::fill(row + x0, row + x1, pixel);
    }
}

// How many bytes of `text` fit in `room` without cutting a two-byte character in half.
int WholeCharactersWithin(std::string_view text, int room) {
    if (room <= 0) {
        return 0;
    }
    if (text.size() <= static_cast<std::size_t>(room)) {
        return static_cast<int>(text.size());
    }
    const std::string_view kept = text.substr(0, static_cast<std::size_t>(room));
    const std::size_t last = formats::GbkBytes::LastCharacterStart(kept);
    // A lead byte at the very end had its trail byte cut off.
    const auto lead = static_cast<unsigned char>(kept[last]);
    const bool cut = last + 1 == kept.size() && formats::GbkBytes::IsLeadByte(lead);
    return static_cast<int>(cut ? last : kept.size());
}

} // namespace

TextField::TextField(platform::TextRenderer& renderer, const platform::Clock& clock)
    : renderer(&renderer), clock(&clock) {}

TextField::~TextField() = default;

void TextField::Configure(int newX, int newY, int newWidth, int newHeight, int newCapacity,
                          int newModeFlags, std::uint32_t newColor) {
    if (newCapacity <= 0) {
        return;
    }
    SetPosition(newX, newY);
    SetSize(newWidth, newHeight);
    modeFlags = static_cast<std::uint32_t>(newModeFlags);
    configured = 1;
    color = newColor;
    if ((modeFlags & (kAcceptsText | kMakesBuffer)) != 0) {
        // The new buffer takes over the text, as much of it as fits with its terminator: the
        // length is kept, so a buffer of zeros under it would lose what was typed (a display
        // switch configures the field again while a name is being entered).
        auto fresh = std::make_unique<char[]>(static_cast<std::size_t>(newCapacity));
        const auto typed = static_cast<std::size_t>(buffer ? std::max(length, 0) : 0);
        length = WholeCharactersWithin({buffer.get(), typed}, newCapacity - 1);
        if (length > 0) {
            std::memcpy(fresh.get(), buffer.get(), static_cast<std::size_t>(length));
        }
        buffer = std::move(fresh);
        bufferSize = newCapacity;
    }
    capacity = newCapacity;
    MarkChanged();
}

const char* TextField::GetText(int& outLength) const {
    outLength = length;
    return buffer.get();
}

void TextField::SetFocused(int on) {
    if (on != focused) {
        focused = on;
        MarkChanged();
    }
}

void TextField::Clear() {
    MarkChanged();
    length = 0;
    if (buffer) {
        std::memset(buffer.get(), 0, static_cast<std::size_t>(bufferSize));
    }
}

void TextField::OnChar(int code) {
    if (focused == 0 || (modeFlags & kAcceptsText) == 0 || !buffer) {
        return;
    }
    const int low = code & 0xFF;
    if (low == kBackspace) {
        Backspace();
        return;
    }
    // Enter and Escape arrive as characters too; a name holds only what can be shown.
    if (low < kFirstPrintable || low == kDelete) {
        return;
    }
    const auto byte = static_cast<char>(low);
    // The last byte of the buffer stays 0.
    if (length < std::min(capacity, bufferSize) - 1) {
        buffer[length++] = byte;
        MarkChanged();
    }
}

void TextField::Backspace() {
    if (length <= 0) {
        return;
    }
    // Walking from the start is the only way to tell a trail byte from a character: a trail
    // byte may look like ASCII.
    const auto start = static_cast<int>(
        formats::GbkBytes::LastCharacterStart({buffer.get(), std::size_t(length)}));
    std::memset(buffer.get() + start, 0, static_cast<std::size_t>(length - start));
    length = start;
    MarkChanged();
}

void TextField::ReleaseSurfaces() {}

void TextField::Draw(gfx::Display& target) {
    if (visible == 0 || !buffer || renderer == nullptr) {
        return;
    }
    gfx::Surface* back = target.BackBuffer();
    if (back == nullptr) {
        return;
    }
    const std::uint32_t rgb = gfx::PixelKernels::SwapRedBlue(color);
    const platform::Rect bounds{0, 0, back->Width(), back->Height()};
    const std::string_view text(buffer.get(),
                                static_cast<std::size_t>(std::clamp(length, 0, bufferSize)));
    renderer->Draw(back->WritablePixels(), back->Description().pitch, back->Width(), back->Height(),
                   screenX, screenY, text, rgb, bounds);
    if (focused == 0) {
        return;
    }
    // The caret's phase is judged at every draw, so a focused field is drawn at every frame.
    WantNextFrame();
    if (CaretShown()) {
        const std::int64_t caretX =
            screenX + std::int64_t{length} * platform::TextRenderer::kByteAdvance;
        FillClipped(*back, caretX, screenY, kCaretWidth, kCaretHeight,
                    gfx::PixelKernels::ToRgb565(rgb));
    }
}

bool TextField::CaretShown() {
    const std::uint32_t now = clock->Milliseconds();
    if (!blink.started) {
        blink = {true, now, now};
    }
    // Measured up to the previous caret draw, not to now, so a phase ends one draw late.
    const std::uint32_t elapsed = blink.last - blink.phaseStart;
    if (elapsed >= kBlinkPeriod) {
        blink.phaseStart = blink.last;
        return false;
    }
    blink.last = now;
    return elapsed <= kCaretShownFor;
}

} // namespace widgets
