#pragma once

namespace app {

// An element that takes typed characters: one Char event's code at a time, a byte of GBK text or a
// control code (8 Backspace, 13 Enter, 27 Escape).
class CharListener {
public:
    virtual ~CharListener() = default;
    virtual void OnChar(int code) = 0;
};

} // namespace app
