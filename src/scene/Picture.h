#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Rect.h"
#include "scene/Element.h"

namespace gfx {
class Display;
class PngImage;
class Surface;
} // namespace gfx

namespace scene {

// An element that shows one frame of a horizontal strip of equal frames, numbered from 1. A
// ".bmp" file becomes a surface copied with magenta transparent (blended while alpha is below
// 255); a ".png" file is drawn with its own per-pixel alpha, whatever the element's alpha.
//
// Bitmap surfaces are shared through the image cache: every picture showing one holds it, so it
// lives while any of them does. `fileName` marks the picture that loaded the file itself; the
// others share its surface. Surfaces live in memory, so a presenter that lost its device loses
// none of them.
class Picture : public Element {
public:
    Picture();
    ~Picture() override;

    void SetPosition(int x, int y) override;
    void SetSize(int width, int height) override;
    void Draw(gfx::Display& target) override;
    void ReleaseSurfaces() override;

    // Shows frame n (1..frameCount); nothing while no image is loaded.
    virtual void SetFrame(int n);
    // Loads a strip of stripWidth x height with frameCount frames for `display` and places the
    // picture at (x, y). Non-zero on success; 0 when the bitmap cannot be loaded, the display
    // is not set up or frameCount is 0; a negative code when the colour key is refused. A
    // ".png" that does not decode, or another extension, still succeeds and draws nothing.
    virtual int LoadImage(gfx::Display& display, std::string_view path, int x, int y,
                          int stripWidth, int height, int frameCount);
    // Holds the picture's bitmap compact while it is not to be drawn (see gfx::Surface::Compact),
    // or makes it drawable again.
    void Shelve(bool shelved);
    // Copies `rect` of the surface to (x, y) of the target's back buffer; false when the
    // picture is hidden or has no surface or display.
    virtual bool BlitTo(gfx::Display& target, int x, int y, const platform::Rect& rect);

    std::shared_ptr<gfx::Surface> surface;
    gfx::Display* display = nullptr;
    std::string fileName;
    int frameCount = 0;
    int currentFrame = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    platform::Rect pngDestRect;
    std::unique_ptr<gfx::PngImage> pngImage;

private:
    int LoadBitmap(std::string_view path, int stripWidth, int height);
};

} // namespace scene
