#include "platform/KeyBuffer.h"

namespace platform {

void KeyBuffer::OnKeyChange(std::uint32_t dik, bool pressed) {
    std::lock_guard lock(mutex);
    if (!acquired) {
        return;
    }
    if (size == kCapacity) {
        overflowed = true;
        return;
    }
    records[(first + size) % kCapacity] = {dik, pressed ? kKeyPressedBit : 0u};
    ++size;
}

AcquireResult KeyBuffer::Acquire() {
    std::lock_guard lock(mutex);
    if (acquired) {
        return AcquireResult::AlreadyAcquired;
    }
    acquired = true;
    lostUnread = false;
    return AcquireResult::Acquired;
}

void KeyBuffer::Unacquire() {
    Release(false);
}

void KeyBuffer::LoseAcquisition() {
    Release(true);
}

// Records waiting when the device is given up describe keys the game no longer owns; keeping
// them would replay stale changes after the next acquisition.
void KeyBuffer::Release(bool lost) {
    std::lock_guard lock(mutex);
    if (acquired && lost) {
        lostUnread = true;
    }
    acquired = false;
    first = 0;
    size = 0;
    overflowed = false;
}

KeyReadResult KeyBuffer::GetDeviceData(KeyRecord* out, std::uint32_t& count) {
    std::lock_guard lock(mutex);
    if (!acquired) {
        count = 0;
        const KeyReadResult result =
            lostUnread ? KeyReadResult::InputLost : KeyReadResult::NotAcquired;
        lostUnread = false;
        return result;
    }
    if (out == nullptr && count > 0) {
        count = 0;
        return KeyReadResult::NoBuffer;
    }
    std::uint32_t taken = 0;
    while (taken < count && size > 0) {
        out[taken++] = records[first];
        first = (first + 1) % kCapacity;
        --size;
    }
    count = taken;
    const KeyReadResult result = overflowed ? KeyReadResult::Overflowed : KeyReadResult::Ok;
    overflowed = false;
    return result;
}

bool KeyBuffer::HasNews() const {
    std::lock_guard lock(mutex);
    return !acquired || size > 0 || overflowed;
}

} // namespace platform
