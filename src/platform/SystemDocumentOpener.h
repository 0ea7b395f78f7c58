#pragma once

#include "platform/DocumentOpener.h"

namespace platform {

// Opens the text with the desktop's own program for it and returns at once.
//
// On Linux: `xdg-open`, with the text as its only argument and without a shell; the program
// runs on with its standard streams on /dev/null.
//
// On Windows: the shell's default action, as ShellExecuteW gives it. A text that is neither an
// address with a scheme nor an absolute path names a file of the game folder beside the program
// (such as "Help/index.html#keys"), which opens as a file:// address there, so the links of a
// portable copy work wherever it is unpacked.
//
// False when the text is refused or nothing could be started.
class SystemDocumentOpener : public DocumentOpener {
public:
    bool Open(const std::string& text) override;
    // What the system's program is handed for `text`.
    static std::string Target(const std::string& text);
};

} // namespace platform
