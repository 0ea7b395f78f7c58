#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "gfx/ImageCache.h"
#include "gfx/PresentResult.h"
#include "gfx/Surface.h"
#include "gfx/SurfaceLoader.h"
#include "gfx/SurfaceResult.h"
#include "platform/Presenter.h"
#include "platform/Rect.h"

namespace gfx {

// The display everything is drawn through: an RGB565 back buffer that every frame is drawn into
// and a presenter that puts it on the screen, in a window or full screen. Surfaces live in
// memory; the pixel operations here are the exact ones every screen relies on.
class Display {
public:
    explicit Display(platform::Presenter& presenter);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // False when the presenter refuses the mode or the back buffer cannot be made.
    bool SetUpWindowed(int width, int height);
    bool SetUpFullScreen(int width, int height, int bitDepth);
    void Release();

    void UpdateBounds();
    SurfaceResult ClearBackBuffer(std::uint32_t pixel);
    // Shows the back buffer; SurfaceLost when the presenter lost the frame (and made itself
    // usable again), so the frame is to be drawn again.
    PresentResult Present();
    // Off while frames only show progress, so they are not held back to the frame rate.
    void SetPacing(bool on) { presenter.SetPacing(on); }
    // Copies `rect` of `source` (null: all of it) to (x, y) of the back buffer, leaving out
    // key-coloured pixels when the source is colour-keyed.
    SurfaceResult BlitKeyed(int x, int y, Surface* source, const platform::Rect* rect);
    // Blends the source rectangle onto the back buffer at (destX, destY) with `alpha`.
    SurfaceResult BlendSurface(Surface* source, int destX, int destY, int sourceLeft, int sourceTop,
                               int sourceRight, int sourceBottom, int alpha);
    // A surface holding the named bitmap file at cx x cy (0 for the file's own size).
    SurfaceResult CreateSurfaceFromBitmap(std::unique_ptr<Surface>& out, std::string_view name,
                                          int cx, int cy);
    // A surface the size of the back buffer.
    SurfaceResult CreateScreenCopySurface(std::unique_ptr<Surface>& out);
    SurfaceResult CopyBackBufferTo(Surface* destination);
    // Darkens every back-buffer pixel by factor / 256; only the factor's low 8 bits count.
    SurfaceResult DarkenBackBuffer(int factor);

    // Whether a surface of width x height pixels goes to video memory: when width x height x 16
    // is less than the free video memory.
    static bool UsesVideoMemory(int width, int height, std::uint64_t freeVideoMemory);

    Surface* BackBuffer() { return backBuffer.IsCreated() ? &backBuffer : nullptr; }
    const platform::Rect& Bounds() const { return bounds; }
    int Windowed() const { return windowed; }
    // The bitmap surfaces loaded for this display, shared between the pictures showing them;
    // they go with the display.
    ImageCache& Images() { return images; }
    // A run of bitmap loads is over: the memory kept for the next one is freed.
    void FinishLoading() { loader.FinishLoading(); }

private:
    std::uint32_t MemoryCaps(int width, int height) const;
    bool CreateBackBuffer(int width, int height);

    platform::Presenter& presenter;
    bool created = false;
    bool hasPrimary = false;
    Surface backBuffer;
    platform::Rect bounds;
    int windowed = 1;
    ImageCache images;
    SurfaceLoader loader;
};

} // namespace gfx
