#include "core/KeyboardInput.h"

#include <utility>

#include "core/MouseEvent.h"

namespace core {

namespace {

// Reads per poll: the first, and one more after re-acquiring a device that was still acquired
// (the first read overflowed). Bounded so a device that keeps failing cannot hold the loop.
constexpr int kMaxReads = 2;

// The pressed code of a key the game reacts to, 0 for the others.
std::uint32_t PressedCode(std::uint32_t dik) {
    switch (dik) {
    case platform::DIK_LEFT:
        return kKeyLeftPressed;
    case platform::DIK_RIGHT:
        return kKeyRightPressed;
    case platform::DIK_UP:
        return kKeyUpPressed;
    case platform::DIK_DOWN:
        return kKeyDownPressed;
    case platform::DIK_ESCAPE:
        return kKeyEscapePressed;
    case platform::DIK_RETURN:
        return kKeyEnterPressed;
    case platform::DIK_H:
        return kKeyHintPressed;
    default:
        return 0;
    }
}

} // namespace

KeyboardInput::KeyboardInput(platform::KeyBuffer* device,
                             std::function<void(std::uint32_t code)> onKey)
    : device(device), onKey(std::move(onKey)) {
    Reacquire();
}

KeyboardInput::~KeyboardInput() {
    if (device != nullptr) {
        device->Unacquire();
    }
}

void KeyboardInput::Poll() {
    if (device == nullptr) {
        return;
    }
    platform::KeyRecord records[platform::KeyBuffer::kCapacity];
    for (int read = 0; read < kMaxReads; ++read) {
        std::uint32_t count = platform::KeyBuffer::kCapacity;
        if (device->GetDeviceData(records, count) == platform::KeyReadResult::Ok) {
            Deliver(records, count);
            return;
        }
        if (device->Acquire() == platform::AcquireResult::Acquired) {
            return; // freshly acquired: nothing buffered yet
        }
    }
}

void KeyboardInput::Reacquire() {
    if (device != nullptr) {
        device->Acquire();
    }
}

void KeyboardInput::Deliver(const platform::KeyRecord* records, std::uint32_t count) const {
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t pressed = PressedCode(records[i].offset);
        if (pressed == 0 || !onKey) {
            continue;
        }
        const bool down = (records[i].data & platform::kKeyPressedBit) != 0;
        onKey(down ? pressed : pressed + 1);
    }
}

} // namespace core
