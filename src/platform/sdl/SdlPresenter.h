#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/Presenter.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Rect;

namespace platform {

// Puts RGB565 frames on an SDL window: the frame is converted into a streaming texture of SDL's
// software renderer, in the window's format, and shown scaled as its FrameFit says: a zoomed window
// is filled, full screen is letterboxed. Whole zooms keep every pixel sharp; one and a half is
// smoothed. Nothing waits for the display, so it waits out the rest of 1/60 s itself after each
// frame.
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
    // Makes the device usable again after a loss: a new texture, the next frame shown whole.
    // False when it cannot be; the next Present tries again.
    bool Restore();
    bool CreateTexture();
    // Copies the frame into the texture, converting it to the texture's format.
    bool Upload(const std::uint16_t* pixels, int width, int height, int pitch);
    // The window's size at the zoom: the frame's, scaled.
    void ZoomedSize(int& width, int& height) const;
    // Clears the output and copies `area` of the texture onto the frame's place in it.
    void ShowTexture(const SDL_Rect& area);

    bool SameAsShown(const std::uint16_t* pixels, int width, int height, int pitch) const;
    void Remember(const std::uint16_t* pixels, int width, int height, int pitch);
    void Pace();

    SDL_Window* window = nullptr;
    // The frame last shown, to skip showing an unchanged one again: an idle screen then costs
    // a comparison per frame instead of an upload and a copy to the desktop.
    std::vector<std::uint16_t> shown;
    bool exposed = true;
    SDL_Renderer* renderer = nullptr;
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
