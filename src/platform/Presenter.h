#pragma once

#include <cstdint>

#include "platform/Event.h"
#include "platform/FrameFit.h"
#include "platform/Rect.h"

namespace platform {

// What became of a frame handed to the presenter.
enum class PresentStatus {
    Shown,
    StillDrawing, // an earlier frame is still on its way; the caller tries again
    SurfaceLost,  // not shown: the device lost its contents and made itself usable again
    WrongMode,    // the desktop's display mode changed under it
};

// Puts finished RGB565 frames on the screen, in a window or full screen.
class Presenter {
public:
    virtual ~Presenter() = default;

    // Prepares presentation at width x height; false when the mode cannot be had.
    virtual bool Open(bool fullScreen, int width, int height) = 0;
    virtual void Close() = 0;

    // Shows one frame. A device that lost its contents is made usable again here, and the
    // caller draws the frame again; the frames live in the caller's memory, so nothing else has
    // to be restored.
    virtual PresentStatus Present(const std::uint16_t* pixels, int width, int height,
                                  int pitch) = 0;
    // Whether the next frame must be presented even if the picture did not change: the window
    // was exposed, or the next Present reports a lost device or a changed display mode.
    virtual bool NeedsFrame() const { return false; }
    // While off, presents do not wait for the frame period: frames that only show progress
    // (loading) go out as fast as they are drawn. On by default.
    virtual void SetPacing(bool on) { (void)on; }

    // Free memory on the graphics device, in bytes; read afresh each time.
    virtual std::uint64_t FreeVideoMemory() const = 0;
    // The window's client area in screen coordinates.
    virtual Rect ClientBounds() const = 0;
    // The size of the whole screen.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // The part of the window's screen a window may cover: without panels and docks.
    virtual Rect UsableBounds() const = 0;

    // A window shows the frame at `percent` of its size (100: one to one), from now on and at
    // every later Open; full screen always fills the screen. A window that is open is resized
    // around its centre and kept on the usable part of the screen.
    virtual void SetZoom(int percent) = 0;
    virtual int Zoom() const = 0;
    // How the frame lies on the window or screen of the moment.
    virtual FrameFit Fit() const = 0;
};

// A mouse event at a point of the window, in frame coordinates: what both windows post.
Event MouseEventAt(const Presenter& presenter, MouseAction action, int windowX, int windowY);

} // namespace platform
