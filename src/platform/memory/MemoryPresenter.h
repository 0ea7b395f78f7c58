#pragma once

#include <cstdint>
#include <vector>

#include "platform/Presenter.h"

namespace platform {

// A presenter without a screen, for tests: keeps the last frame, and can be told to refuse a
// mode, to lose its surfaces (it restores them itself, counted), to report a changed display
// mode or to be still drawing. A zoom
// sizes and places the client area as the desktop window would be.
class MemoryPresenter : public Presenter {
public:
    bool Open(bool fullScreen, int width, int height) override;
    void Close() override;
    PresentStatus Present(const std::uint16_t* pixels, int width, int height, int pitch) override;
    bool NeedsFrame() const override { return loseSurfaces || modeChanged; }
    std::uint64_t FreeVideoMemory() const override { return freeVideoMemory; }
    Rect ClientBounds() const override { return clientBounds; }
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }
    Rect UsableBounds() const override { return usableBounds; }
    void SetZoom(int percent) override;
    int Zoom() const override { return zoom; }
    FrameFit Fit() const override;

    // The last frame presented, row by row without padding.
    std::vector<std::uint16_t> frame;
    int frameWidth = 0;
    int frameHeight = 0;
    int presentCount = 0;
    int restoreCount = 0;

    bool isOpen = false;
    bool fullScreen = false;

    // What the next calls report.
    bool refuseOpen = false;
    int stillDrawingCount = 0;
    bool loseSurfaces = false;
    bool modeChanged = false;
    std::uint64_t freeVideoMemory = 64u << 20;
    Rect clientBounds{240, 100, 1040, 700};
    int screenWidth = 1280;
    int screenHeight = 800;
    Rect usableBounds{0, 0, 1280, 800};

    int zoom = 100;
    // The frame size the presenter was opened for.
    int openWidth = 0;
    int openHeight = 0;

private:
    // The client area at the zoom: centred on the screen, or resized where it stands.
    void PlaceWindow(bool centre);
};

} // namespace platform
