#pragma once

#include <string>
#include <vector>

#include "platform/DocumentOpener.h"

namespace platform {

// Stands in for the desktop in tests: remembers every text it is asked to open, in order.
class RecordingDocumentOpener : public DocumentOpener {
public:
    // Records the text (refused text too, so a caller's mistake shows) and answers as a real
    // opener would: true unless Accepts() refuses the text.
    bool Open(const std::string& text) override;

    std::vector<std::string> opened;
};

} // namespace platform
