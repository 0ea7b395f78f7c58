#pragma once

#include <cstdint>
#include <functional>

#include "platform/KeyBuffer.h"

namespace core {

// Turns the buffered key device's records into the game's key event codes (MouseEvent.h). Only
// the arrows, Escape, Enter and H produce events. A null device makes every call do nothing.
class KeyboardInput {
public:
    // Acquires the device.
    KeyboardInput(platform::KeyBuffer* device, std::function<void(std::uint32_t code)> onKey);
    // Gives the device up.
    ~KeyboardInput();
    KeyboardInput(const KeyboardInput&) = delete;
    KeyboardInput& operator=(const KeyboardInput&) = delete;

    // Reads the waiting records and reports each key change to onKey, in order. When the read
    // fails or overflowed, that read's records are dropped and the device is acquired again.
    void Poll();
    // The window became active again.
    void Reacquire();

private:
    void Deliver(const platform::KeyRecord* records, std::uint32_t count) const;

    platform::KeyBuffer* device;
    std::function<void(std::uint32_t code)> onKey;
};

} // namespace core
