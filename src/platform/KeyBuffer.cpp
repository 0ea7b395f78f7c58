#include "platform/KeyBuffer.h"

namespace platform {

namespace {

// Reads per Read: the first, and one more after re-acquiring a device that was still acquired
// (the first read overflowed). Bounded so a device that keeps failing cannot hold the loop.
constexpr int kMaxReads = 2;

// The bit a Shift key holds in shiftsHeld; 0 for every other key.
unsigned ShiftBit(Key key) {
    switch (key) {
    case Key::LeftShift:
        return 1;
    case Key::RightShift:
        return 2;
    default:
        return 0;
    }
}

} // namespace

void KeyBuffer::OnKeyChange(Key key, bool pressed) {
    std::lock_guard lock(mutex);
    if (!acquired) {
        return;
    }
    if (size == kCapacity) {
        overflowed = true;
        return;
    }
    records[(first + size) % kCapacity] = {key, pressed};
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

void KeyBuffer::StartReading() {
    shiftsHeld = 0;
    Acquire();
}

void KeyBuffer::StopReading() {
    Unacquire();
}

void KeyBuffer::Read(const std::function<void(const KeyChange&)>& deliver) {
    KeyRecord read[kCapacity];
    for (int attempt = 0; attempt < kMaxReads; ++attempt) {
        std::uint32_t count = kCapacity;
        if (GetDeviceData(read, count) == KeyReadResult::Ok) {
            Deliver(read, count, deliver);
            return;
        }
        if (Acquire() == AcquireResult::Acquired) {
            return; // freshly acquired: nothing buffered yet
        }
    }
}

void KeyBuffer::Deliver(const KeyRecord* read, std::uint32_t count,
                        const std::function<void(const KeyChange&)>& deliver) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const KeyRecord& record = read[i];
        if (const unsigned bit = ShiftBit(record.key); bit != 0) {
            shiftsHeld = record.pressed ? shiftsHeld | bit : shiftsHeld & ~bit;
        }
        if (deliver) {
            deliver({record.key, record.pressed, shiftsHeld != 0});
        }
    }
}

} // namespace platform
