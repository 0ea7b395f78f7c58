#pragma once

#include "platform/DocumentOpener.h"

namespace platform {

// Hands the text to the desktop's `xdg-open` as its only argument, without a shell, and returns
// at once; the program runs on with its standard streams on /dev/null. False when the text is
// refused or the program cannot be started.
class XdgDocumentOpener : public DocumentOpener {
public:
    bool Open(const std::string& text) override;
};

} // namespace platform
