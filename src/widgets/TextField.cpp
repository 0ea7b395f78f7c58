#include "widgets/TextField.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/Clock.h"
#include "platform/GbkText.h"
#include "platform/TextRenderer.h"
#include "shell/Display.h"
#include "shell/PixelKernels.h"
#include "shell/ProcessState.h"
#include "shell/Surface.h"

namespace {

constexpr int kBackspace = 8;
constexpr int kCaretWidth = 2;
constexpr int kCaretHeight = 16;
// The caret shows while a phase is at most this old, hides until kBlinkPeriod, then a new phase
// starts.
constexpr std::uint32_t kCaretShownFor = 500;
constexpr std::uint32_t kBlinkPeriod = 1000;

const platform::SteadyClock steadyClock;
const platform::Clock* blinkClock = &steadyClock;

// The blink state every field shares: when the caret was last drawn or hidden, and when the
// current phase began.
struct BlinkState {
    bool started = false;
    std::uint32_t last = 0;
    std::uint32_t phaseStart = 0;
};
BlinkState blink;

// Fills the part of the rectangle at (left, top) that lies inside the surface.
void FillClipped(Surface& surface, std::int64_t left, std::int64_t top, int width, int height,
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

} // namespace

TextField::TextField() = default;

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
        buffer = std::make_unique<char[]>(static_cast<std::size_t>(newCapacity));
        bufferSize = newCapacity;
        // The length is kept, but an old length beyond the new, smaller buffer would have the
        // next typed byte written outside it: clamp it to the room the buffer has.
        length = std::clamp(length, 0, newCapacity - 1);
    }
    capacity = newCapacity;
}

const char* TextField::GetText(int& outLength) const {
    outLength = length;
    return buffer.get();
}

void TextField::Clear() {
    length = 0;
    if (buffer) {
        std::memset(buffer.get(), 0, static_cast<std::size_t>(bufferSize));
    }
}

void TextField::OnChar(int code) {
    if (focused == 0 || (modeFlags & kAcceptsText) == 0 || !buffer) {
        return;
    }
    const auto byte = static_cast<char>(code & 0xFF);
    if (byte == kBackspace) {
        Backspace();
        return;
    }
    // The last byte of the buffer stays 0.
    if (length < std::min(capacity, bufferSize) - 1) {
        buffer[length++] = byte;
    }
}

void TextField::Backspace() {
    if (length <= 0) {
        return;
    }
    // Walking from the start is the only way to tell a trail byte from a character: a trail
    // byte may look like ASCII.
    const auto start = static_cast<int>(
        platform::GbkText::LastCharacterStart({buffer.get(), std::size_t(length)}));
    std::memset(buffer.get() + start, 0, static_cast<std::size_t>(length - start));
    length = start;
}

HRESULT TextField::RestoreSurfaces() {
    return S_OK;
}

void TextField::ReleaseSurfaces() {}

void TextField::Draw() {
    if (visible == 0 || !buffer || currentDisplay == nullptr) {
        return;
    }
    Surface* back = currentDisplay->BackBuffer();
    if (back == nullptr) {
        return;
    }
    const std::uint32_t rgb = PixelKernels::SwapRedBlue(color);
    const Rect bounds{0, 0, back->Width(), back->Height()};
    const std::string_view text(buffer.get(),
                                static_cast<std::size_t>(std::clamp(length, 0, bufferSize)));
    platform::TextRenderer::Shared().Draw(back->WritablePixels(), back->Description().pitch,
                                          back->Width(), back->Height(), screenX, screenY, text,
                                          rgb, bounds);
    if (focused != 0 && CaretShown()) {
        const std::int64_t caretX =
            screenX + std::int64_t{length} * platform::TextRenderer::kByteAdvance;
        FillClipped(*back, caretX, screenY, kCaretWidth, kCaretHeight, PixelKernels::ToRgb565(rgb));
    }
}

void TextField::SetClock(const platform::Clock* clock) {
    blinkClock = clock != nullptr ? clock : &steadyClock;
}

void TextField::ResetBlink() {
    blink = BlinkState{};
}

bool TextField::CaretShown() {
    const std::uint32_t now = blinkClock->Milliseconds();
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
