#pragma once

#include <cstdint>
#include <functional>

#include "platform/KeyBuffer.h"

namespace core {

// Turns the buffered key device's records into the game's key event codes (Input.h). Only
// the arrows, Escape, Enter, H, Tab, Page Up and Page Down produce events; the Shift keys
// produce none but turn Tab into Shift+Tab while one is held. A null device makes every call do
// nothing.
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
    void Deliver(const platform::KeyRecord* records, std::uint32_t count);
    // Notes a Shift key's change; false for every other key.
    bool TrackShift(const platform::KeyRecord& record);

    platform::KeyBuffer* device;
    std::function<void(std::uint32_t code)> onKey;
    // One bit per Shift key held down.
    unsigned shiftsHeld = 0;
};

} // namespace core
