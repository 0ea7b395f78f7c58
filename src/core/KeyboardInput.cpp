#include "core/KeyboardInput.h"

#include <utility>

#include "core/Input.h"

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
    case platform::DIK_TAB:
        return kKeyTabPressed;
    case platform::DIK_PRIOR:
        return kKeyPageUpPressed;
    case platform::DIK_NEXT:
        return kKeyPageDownPressed;
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
    // The releases of keys let go while the focus was elsewhere never arrive.
    shiftsHeld = 0;
    if (device != nullptr) {
        device->Acquire();
    }
}

bool KeyboardInput::TrackShift(const platform::KeyRecord& record) {
    unsigned bit = 0;
    if (record.offset == platform::DIK_LSHIFT) {
        bit = 1;
    } else if (record.offset == platform::DIK_RSHIFT) {
        bit = 2;
    } else {
        return false;
    }
    if ((record.data & platform::kKeyPressedBit) != 0) {
        shiftsHeld |= bit;
    } else {
        shiftsHeld &= ~bit;
    }
    return true;
}

void KeyboardInput::Deliver(const platform::KeyRecord* records, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) {
        if (TrackShift(records[i])) {
            continue;
        }
        std::uint32_t pressed = PressedCode(records[i].offset);
        if (pressed == 0 || !onKey) {
            continue;
        }
        if (pressed == kKeyTabPressed && shiftsHeld != 0) {
            pressed = kKeyShiftTabPressed;
        }
        const bool down = (records[i].data & platform::kKeyPressedBit) != 0;
        onKey(down ? pressed : pressed + 1);
    }
}

} // namespace core
