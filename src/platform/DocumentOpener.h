#pragma once

#include <string>

namespace platform {

// Shows a web address or a file in the user's preferred program.
class DocumentOpener {
public:
    virtual ~DocumentOpener();
    // True when the request was handed on. Text that Accepts() refuses is never handed on.
    virtual bool Open(const std::string& text) = 0;

protected:
    // Not empty, no NUL, and no leading '-', which the opening program would read as an option.
    static bool Accepts(const std::string& text);
};

} // namespace platform
