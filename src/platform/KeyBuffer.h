#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>

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

// Key codes: the keyboard's set-1 scan codes, with 0xE0-prefixed keys at 0x80 + code.
constexpr std::uint32_t DIK_ESCAPE = 0x01;
constexpr std::uint32_t DIK_1 = 0x02;
constexpr std::uint32_t DIK_2 = 0x03;
constexpr std::uint32_t DIK_3 = 0x04;
constexpr std::uint32_t DIK_4 = 0x05;
constexpr std::uint32_t DIK_5 = 0x06;
constexpr std::uint32_t DIK_6 = 0x07;
constexpr std::uint32_t DIK_7 = 0x08;
constexpr std::uint32_t DIK_8 = 0x09;
constexpr std::uint32_t DIK_9 = 0x0A;
constexpr std::uint32_t DIK_0 = 0x0B;
constexpr std::uint32_t DIK_BACK = 0x0E;
constexpr std::uint32_t DIK_TAB = 0x0F;
constexpr std::uint32_t DIK_Q = 0x10;
constexpr std::uint32_t DIK_W = 0x11;
constexpr std::uint32_t DIK_E = 0x12;
constexpr std::uint32_t DIK_R = 0x13;
constexpr std::uint32_t DIK_T = 0x14;
constexpr std::uint32_t DIK_Y = 0x15;
constexpr std::uint32_t DIK_U = 0x16;
constexpr std::uint32_t DIK_I = 0x17;
constexpr std::uint32_t DIK_O = 0x18;
constexpr std::uint32_t DIK_P = 0x19;
constexpr std::uint32_t DIK_RETURN = 0x1C;
constexpr std::uint32_t DIK_A = 0x1E;
constexpr std::uint32_t DIK_LSHIFT = 0x2A;
constexpr std::uint32_t DIK_S = 0x1F;
constexpr std::uint32_t DIK_D = 0x20;
constexpr std::uint32_t DIK_F = 0x21;
constexpr std::uint32_t DIK_G = 0x22;
constexpr std::uint32_t DIK_H = 0x23;
constexpr std::uint32_t DIK_J = 0x24;
constexpr std::uint32_t DIK_K = 0x25;
constexpr std::uint32_t DIK_L = 0x26;
constexpr std::uint32_t DIK_Z = 0x2C;
constexpr std::uint32_t DIK_X = 0x2D;
constexpr std::uint32_t DIK_C = 0x2E;
constexpr std::uint32_t DIK_V = 0x2F;
constexpr std::uint32_t DIK_B = 0x30;
constexpr std::uint32_t DIK_N = 0x31;
constexpr std::uint32_t DIK_M = 0x32;
constexpr std::uint32_t DIK_RSHIFT = 0x36;
constexpr std::uint32_t DIK_SPACE = 0x39;
constexpr std::uint32_t DIK_UP = 0xC8;
constexpr std::uint32_t DIK_PRIOR = 0xC9; // Page Up
constexpr std::uint32_t DIK_LEFT = 0xCB;
constexpr std::uint32_t DIK_RIGHT = 0xCD;
constexpr std::uint32_t DIK_DOWN = 0xD0;
constexpr std::uint32_t DIK_NEXT = 0xD1; // Page Down

// One buffered key change: the key code and, in bit 7 of data, whether it went down.
struct KeyRecord {
    std::uint32_t offset;
    std::uint32_t data;
};

constexpr std::uint32_t kKeyPressedBit = 0x80;

// The buffered keyboard device. The desktop pump feeds key changes in; the game reads them out
// in order. Changes are recorded only while the device is acquired. Any thread may call.
class KeyBuffer {
public:
    static constexpr std::size_t kCapacity = 8;

    // Records a press or release; dropped (and the overflow noted) when the buffer is full.
    void OnKeyChange(std::uint32_t dik, bool pressed);

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

private:
    void Release(bool lost);

    mutable std::mutex mutex;
    std::array<KeyRecord, kCapacity> records{};
    std::size_t first = 0; // index of the oldest record
    std::size_t size = 0;
    bool acquired = false;
    bool lostUnread = false;
    bool overflowed = false;
};

} // namespace platform
