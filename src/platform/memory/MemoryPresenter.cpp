#include "platform/memory/MemoryPresenter.h"

#include <cstring>

#include "platform/WindowPlacement.h"

namespace platform {

bool MemoryPresenter::Open(bool wantFullScreen, int width, int height) {
    if (refuseOpen) {
        return false;
    }
    isOpen = true;
    fullScreen = wantFullScreen;
    openWidth = width;
    openHeight = height;
    if (!fullScreen) {
        PlaceWindow(true);
    }
    return true;
}

void MemoryPresenter::SetZoom(int percent) {
    if (percent == zoom) {
        return;
    }
    zoom = percent;
    if (isOpen && !fullScreen) {
        PlaceWindow(false);
    }
}

void MemoryPresenter::PlaceWindow(bool centre) {
    const int width = openWidth * zoom / 100;
    const int height = openHeight * zoom / 100;
    if (width == clientBounds.Width() && height == clientBounds.Height()) {
        return; // a window a test placed stays where it is
    }
    clientBounds =
        centre ? WindowPlacement::CentredIn({0, 0, screenWidth, screenHeight}, width, height)
               : WindowPlacement::Resized(clientBounds, width, height, usableBounds);
}

FrameFit MemoryPresenter::Fit() const {
    if (fullScreen) {
        return FrameFit(openWidth, openHeight, screenWidth, screenHeight);
    }
    return FrameFit(openWidth, openHeight, clientBounds.Width(), clientBounds.Height());
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
        loseSurfaces = false;
        ++restoreCount;
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

} // namespace platform
