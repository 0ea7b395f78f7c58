#include "platform/DocumentOpener.h"

namespace platform {

DocumentOpener::~DocumentOpener() = default;

bool DocumentOpener::Accepts(const std::string& text) {
    return !text.empty() && text.front() != '-' && text.find('\0') == std::string::npos;
}

} // namespace platform
