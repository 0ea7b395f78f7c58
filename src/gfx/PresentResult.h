#pragma once

namespace gfx {

// What became of showing the back buffer.
enum class PresentResult {
    Ok,
    NoBackBuffer, // there is no display or back buffer to show
    SurfaceLost,  // the presenter lost the frame and made itself usable again: draw it again
    WrongMode,    // the desktop's display mode changed; the display is to be set up again
};

} // namespace gfx
