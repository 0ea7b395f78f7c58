#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>

#include "platform/Key.h"

namespace platform {

enum class AcquireResult { Acquired, AlreadyAcquired };

// What a read of the key buffer found.
enum class KeyReadResult {
    Ok,
    Overflowed,  // changes were dropped since the last read; the records are still handed out
    InputLost,   // the window lost the focus since the last read; reported once
    NotAcquired, // the device is not held
    NoBuffer,    // records were asked for without a place to put them
};

// One buffered key change.
struct KeyRecord {
    Key key = Key::Escape;
    bool pressed = false;
};

// The buffered keyboard device. The desktop pump feeds key changes in; the game reads them out
// in order. Changes are recorded only while the device is acquired. Any thread may feed, acquire
// and read the records; the game's reading side (StartReading, StopReading, Read) runs on the main
// thread only.
class KeyBuffer {
public:
    static constexpr std::size_t kCapacity = 8;

    // Records a press or release; dropped (and the overflow noted) when the buffer is full.
    void OnKeyChange(Key key, bool pressed);

    AcquireResult Acquire();
    // Gives the device up on the game's request; waiting records are discarded.
    void Unacquire();
    // The window lost focus: like Unacquire, but the next read reports InputLost.
    void LoseAcquisition();

    // Moves up to `count` records, oldest first, into `out` and sets `count` to how many.
    // InputLost once after a loss, then NotAcquired until acquired again.
    KeyReadResult GetDeviceData(KeyRecord* out, std::uint32_t& count);
    // Whether a read now would hand out records or report anything but Ok; while it would not,
    // reading changes nothing.
    bool HasNews() const;

    // The game starts reading, or the window became active again: the device is acquired, and
    // the Shift keys count as up (the releases of keys let go while the focus was elsewhere never
    // arrive).
    void StartReading();
    // The game stops reading: the device is given up.
    void StopReading();
    // Reads the waiting records and hands each change to `deliver`, in order, with whether a
    // Shift key is held; the Shift keys' own changes are handed on too. When the read fails or
    // overflowed, that read's records are dropped and the device is acquired again.
    void Read(const std::function<void(const KeyChange&)>& deliver);

private:
    void Release(bool lost);
    void Deliver(const KeyRecord* read, std::uint32_t count,
                 const std::function<void(const KeyChange&)>& deliver);

    mutable std::mutex mutex;
    std::array<KeyRecord, kCapacity> records{};
    std::size_t first = 0; // index of the oldest record
    std::size_t size = 0;
    bool acquired = false;
    bool lostUnread = false;
    bool overflowed = false;
    // The reading side's: one bit per Shift key held down.
    unsigned shiftsHeld = 0;
};

} // namespace platform
