#pragma once

namespace gfx {

// What became of showing the back buffer.
enum class PresentResult {
    Ok,
    NoBackBuffer, // there is no display or back buffer to show
    SurfaceLost,  // the device lost its contents and was restored; surfaces are to be redrawn
    WrongMode,    // the desktop's display mode changed; the display is to be set up again
};

} // namespace gfx
