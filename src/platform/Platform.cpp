#include "platform/Platform.h"

#include "platform/FileSystem.h"
#include "platform/TextRenderer.h"

namespace platform {

Platform::Platform() = default;

Platform::~Platform() = default;

TextRenderer& Platform::Text() {
    if (!text) {
        text = std::make_unique<TextRenderer>();
    }
    return *text;
}

std::string Platform::ExecutablePath() const {
    return platform::ExecutablePath();
}

} // namespace platform
