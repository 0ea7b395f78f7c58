#pragma once

namespace gfx {

// What became of an operation on a surface or on the back buffer.
enum class SurfaceResult {
    Ok,
    InvalidArgument, // no source, an empty name, a size out of range, or no display to use
    NotCreated,      // the surface, the back buffer or the display has no pixels yet
    FileUnreadable,  // the bitmap file is missing, too short or does not decode
};

} // namespace gfx
