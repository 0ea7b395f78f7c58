#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/Presenter.h"
#include "platform/ShownFrame.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Rect;
struct SDL_Surface;

namespace platform {

// Puts RGB565 frames on an SDL window, converting and sending only the areas that changed since
// the frame before. One to one (a window at 100 %) with SDL's software renderer, the areas are
// converted straight into the window's surface and only they go to the desktop. Otherwise they
// are converted into a streaming texture, in the window's format, which is shown scaled as its
// FrameFit says: a zoomed window is filled, full screen is letterboxed. Whole zooms keep every
// pixel sharp; one and a half is smoothed. Nothing waits for the display, so it waits out the
// rest of 1/60 s itself after each frame.
class SdlPresenter : public Presenter {
public:
    SdlPresenter() = default;
    void SetWindow(SDL_Window* newWindow) { window = newWindow; }
    ~SdlPresenter() override;

    bool Open(bool fullScreen, int width, int height) override;
    void Close() override;
    PresentStatus Present(const std::uint16_t* pixels, int width, int height, int pitch) override;
    bool NeedsFrame() const override { return exposed || lost || modeChanged; }
    void SetPacing(bool on) override { pacing = on; }
    std::uint64_t FreeVideoMemory() const override { return 256u << 20; }
    Rect ClientBounds() const override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    Rect UsableBounds() const override;
    void SetZoom(int percent) override;
    int Zoom() const override { return zoom; }
    FrameFit Fit() const override;

    // The render device lost its contents; the next Present reports it.
    void MarkLost() { lost = true; }
    // The desktop's display changed; the next Present reports it.
    void MarkModeChanged() { modeChanged = true; }
    // The window's contents were damaged; the next frame is shown even if unchanged.
    void MarkExposed() { exposed = true; }

private:
    PresentStatus PresentFrame(const std::uint16_t* pixels, int width, int height, int pitch);
    // Makes the device usable again after a loss: the texture made anew when next needed, the
    // next frame shown whole. False when it cannot be; the next Present tries again.
    bool Restore();
    // The window's surface when the frame goes onto it one to one with the software renderer,
    // which draws into that surface itself; null when the frame goes through the texture.
    SDL_Surface* OneToOneSurface(int width, int height) const;
    // Makes or frees the texture as the frame's way needs it. A new texture holds no frame and
    // the window's surface was not drawn the other way, so a change shows the next frame whole.
    bool UseTexture(bool needed);
    bool CreateTexture();
    void DestroyTexture();
    // Converts the areas into the window's surface and sends only them to the desktop.
    bool ShowOnSurface(SDL_Surface& surface, const std::uint16_t* pixels, int pitch,
                       const std::vector<Rect>& areas);
    // Converts the areas into the texture and shows the whole texture scaled.
    bool ShowScaled(const std::uint16_t* pixels, int width, int height, int pitch,
                    const std::vector<Rect>& areas);
    // Copies the areas of the frame into the texture, converting them to the texture's format.
    bool Upload(const std::uint16_t* pixels, int pitch, const std::vector<Rect>& areas);
    // The window's size at the zoom: the frame's, scaled.
    void ZoomedSize(int& width, int& height) const;
    // Clears the output and copies `area` of the texture onto the frame's place in it.
    void ShowTexture(const SDL_Rect& area);

    void Pace();

    SDL_Window* window = nullptr;
    // The frame last shown, to show only what a new one changes: an idle screen then costs a
    // comparison per frame, a small animation the conversion and sending of its rectangle.
    ShownFrame shown;
    bool exposed = true;
    SDL_Renderer* renderer = nullptr;
    // Whether the renderer is SDL's software one.
    bool software = false;
    // Only while frames go through it: scaled, or with another renderer.
    SDL_Texture* texture = nullptr;
    int textureWidth = 0;
    int textureHeight = 0;
    std::uint32_t textureFormat = 0;
    bool lost = false;
    bool modeChanged = false;
    std::chrono::steady_clock::time_point lastPresent{};
    bool pacing = true;
    int zoom = 100;
    bool fullScreen = false;
};

} // namespace platform
