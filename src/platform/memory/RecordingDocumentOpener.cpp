#include "platform/memory/RecordingDocumentOpener.h"

namespace platform {

bool RecordingDocumentOpener::Open(const std::string& text) {
    opened.push_back(text);
    return Accepts(text);
}

} // namespace platform
