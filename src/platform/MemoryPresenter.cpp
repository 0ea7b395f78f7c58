#include "platform/MemoryPresenter.h"

#include <cstring>

namespace platform {

bool MemoryPresenter::Open(bool wantFullScreen, int, int) {
    if (refuseOpen) {
        return false;
    }
    isOpen = true;
    fullScreen = wantFullScreen;
    return true;
}

void MemoryPresenter::Close() {
    isOpen = false;
}

PresentStatus MemoryPresenter::Present(const std::uint16_t* pixels, int width, int height,
                                       int pitch) {
    if (stillDrawingCount > 0) {
        --stillDrawingCount;
        return PresentStatus::StillDrawing;
    }
    if (loseSurfaces) {
        return PresentStatus::SurfaceLost;
    }
    if (modeChanged) {
        return PresentStatus::WrongMode;
    }
    frame.resize(static_cast<std::size_t>(width) * height);
    const auto* row = reinterpret_cast<const std::uint8_t*>(pixels);
    for (int y = 0; y < height; ++y, row += pitch) {
        std::memcpy(&frame[static_cast<std::size_t>(y) * width], row,
                    width * sizeof(std::uint16_t));
    }
    frameWidth = width;
    frameHeight = height;
    ++presentCount;
    return PresentStatus::Shown;
}

bool MemoryPresenter::Restore() {
    loseSurfaces = false;
    ++restoreCount;
    return true;
}

} // namespace platform
