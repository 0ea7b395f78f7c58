#include "platform/sdl/SdlPresenter.h"

#include <SDL.h>
#include <cstddef>
#include <cstring>
#include <thread>

#include "platform/WindowPlacement.h"

namespace platform {

namespace {

constexpr auto kFramePeriod = std::chrono::microseconds(16667);

SDL_Rect ToSdl(const Rect& area) {
    return {area.left, area.top, area.Width(), area.Height()};
}

// Converts `area` of the RGB565 frame (rows `pitch` bytes apart) to `format` at `target`, where
// the area's top left pixel goes.
bool ConvertArea(const Rect& area, const std::uint16_t* pixels, int pitch, std::uint32_t format,
                 void* target, int targetPitch) {
    const auto* source = reinterpret_cast<const std::uint8_t*>(pixels) +
                         static_cast<std::ptrdiff_t>(area.top) * pitch + area.left * 2;
    return SDL_ConvertPixels(area.Width(), area.Height(), SDL_PIXELFORMAT_RGB565, source, pitch,
                             format, target, targetPitch) == 0;
}

bool IsSoftware(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && std::strcmp(info.name, "software") == 0;
}

} // namespace

SdlPresenter::~SdlPresenter() {
    Close();
}

bool SdlPresenter::Open(bool wantFullScreen, int width, int height) {
    Close();
    if (window == nullptr) {
        return false;
    }
    fullScreen = wantFullScreen;
    textureWidth = width;
    textureHeight = height;
    if (fullScreen) {
        if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            return false;
        }
    } else {
        SDL_SetWindowFullscreen(window, 0);
        int windowWidth = 0, windowHeight = 0;
        ZoomedSize(windowWidth, windowHeight);
        SDL_SetWindowSize(window, windowWidth, windowHeight);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    // The frame is already drawn in memory, so SDL's software renderer only converts, scales
    // and hands it to the desktop (shared memory on X11). A GL renderer adds nothing visible
    // but costs start-up time and, without a GPU, a software GL stack of about 90 MB; the
    // window surface must not be GL-backed either. SDL_RENDER_DRIVER and
    // SDL_FRAMEBUFFER_ACCELERATION in the environment still choose otherwise.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) {
        renderer = SDL_CreateRenderer(window, -1, 0);
    }
    if (renderer == nullptr) {
        return false;
    }
    software = IsSoftware(renderer);
    lost = false;
    modeChanged = false;
    exposed = true;
    return true;
}

bool SdlPresenter::CreateTexture() {
    DestroyTexture();
    // In the window's own format when it has one of 32 bits: the frame is converted once on
    // upload, and scaling it up is then a plain stretch. Scaling straight from RGB565 takes
    // SDL's per-pixel path, ten times slower at 2x.
    textureFormat = SDL_GetWindowPixelFormat(window);
    if (SDL_BITSPERPIXEL(textureFormat) != 32 || SDL_ISPIXELFORMAT_INDEXED(textureFormat)) {
        textureFormat = SDL_PIXELFORMAT_RGB565;
    }
    texture = SDL_CreateTexture(renderer, textureFormat, SDL_TEXTUREACCESS_STREAMING, textureWidth,
                                textureHeight);
    return texture != nullptr;
}

void SdlPresenter::DestroyTexture() {
    if (texture != nullptr) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
}

bool SdlPresenter::UseTexture(bool needed) {
    if (needed == (texture != nullptr)) {
        return true;
    }
    exposed = true;
    if (!needed) {
        // One to one it is not needed, and it holds a frame's worth of memory.
        DestroyTexture();
        return true;
    }
    return CreateTexture();
}

bool SdlPresenter::Upload(const std::uint16_t* pixels, int pitch, const std::vector<Rect>& areas) {
    for (const Rect& area : areas) {
        const SDL_Rect rect = ToSdl(area);
        void* target = nullptr;
        int targetPitch = 0;
        if (SDL_LockTexture(texture, &rect, &target, &targetPitch) != 0) {
            return false;
        }
        const bool converted = ConvertArea(area, pixels, pitch, textureFormat, target, targetPitch);
        SDL_UnlockTexture(texture);
        if (!converted) {
            return false;
        }
    }
    return true;
}

void SdlPresenter::Close() {
    DestroyTexture();
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
}

PresentStatus SdlPresenter::Present(const std::uint16_t* pixels, int width, int height, int pitch) {
    const PresentStatus status = PresentFrame(pixels, width, height, pitch);
    if (status == PresentStatus::SurfaceLost) {
        Restore();
    }
    return status;
}

PresentStatus SdlPresenter::PresentFrame(const std::uint16_t* pixels, int width, int height,
                                         int pitch) {
    if (renderer == nullptr || lost) {
        return PresentStatus::SurfaceLost;
    }
    if (modeChanged) {
        modeChanged = false;
        return PresentStatus::WrongMode;
    }
    SDL_Surface* const surface = OneToOneSurface(width, height);
    if (!UseTexture(surface == nullptr)) {
        return PresentStatus::SurfaceLost;
    }
    if (exposed) {
        shown.Forget();
    }
    const std::vector<Rect>& areas = shown.Replace(pixels, width, height, pitch);
    if (!areas.empty()) {
        const bool done = surface != nullptr ? ShowOnSurface(*surface, pixels, pitch, areas)
                                             : ShowScaled(pixels, width, height, pitch, areas);
        if (!done) {
            return PresentStatus::SurfaceLost;
        }
        exposed = false;
    }
    Pace();
    return PresentStatus::Shown;
}

SDL_Surface* SdlPresenter::OneToOneSurface(int width, int height) const {
    if (!software) {
        return nullptr;
    }
    // Asked for each time: a resize replaces the surface.
    SDL_Surface* const surface = SDL_GetWindowSurface(window);
    if (surface == nullptr || surface->w != width || surface->h != height ||
        SDL_ISPIXELFORMAT_INDEXED(surface->format->format)) {
        return nullptr;
    }
    return surface;
}

bool SdlPresenter::ShowOnSurface(SDL_Surface& surface, const std::uint16_t* pixels, int pitch,
                                 const std::vector<Rect>& areas) {
    if (SDL_LockSurface(&surface) != 0) {
        return false;
    }
    bool converted = true;
    std::vector<SDL_Rect> rects;
    rects.reserve(areas.size());
    for (const Rect& area : areas) {
        auto* target = static_cast<std::uint8_t*>(surface.pixels) +
                       static_cast<std::ptrdiff_t>(area.top) * surface.pitch +
                       area.left * surface.format->BytesPerPixel;
        converted = converted &&
                    ConvertArea(area, pixels, pitch, surface.format->format, target, surface.pitch);
        rects.push_back(ToSdl(area));
    }
    SDL_UnlockSurface(&surface);
    return converted &&
           SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size())) == 0;
}

bool SdlPresenter::ShowScaled(const std::uint16_t* pixels, int width, int height, int pitch,
                              const std::vector<Rect>& areas) {
    if (!Upload(pixels, pitch, areas)) {
        return false;
    }
    ShowTexture(SDL_Rect{0, 0, width, height});
    SDL_RenderPresent(renderer);
    return true;
}

void SdlPresenter::ShowTexture(const SDL_Rect& area) {
    int outputWidth = 0, outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    const FrameFit fit(textureWidth, textureHeight, outputWidth, outputHeight);
    const Rect target = fit.Target();
    const SDL_Rect destination{target.left, target.top, target.Width(), target.Height()};
    // Full screen keeps the sharp look it always had.
    SDL_SetTextureScaleMode(texture, !fullScreen && fit.Smoothed() ? SDL_ScaleModeLinear
                                                                   : SDL_ScaleModeNearest);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, &area, &destination);
}

void SdlPresenter::Pace() {
    const auto now = std::chrono::steady_clock::now();
    if (pacing && now - lastPresent < kFramePeriod) {
        std::this_thread::sleep_for(kFramePeriod - (now - lastPresent));
    }
    lastPresent = std::chrono::steady_clock::now();
}

bool SdlPresenter::Restore() {
    if (renderer == nullptr) {
        return false;
    }
    lost = false;
    exposed = true;
    DestroyTexture();
    return true;
}

Rect SdlPresenter::ClientBounds() const {
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &width, &height);
    return {x, y, x + width, y + height};
}

int SdlPresenter::ScreenWidth() const {
    SDL_Rect bounds{};
    SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds);
    return bounds.w;
}

int SdlPresenter::ScreenHeight() const {
    SDL_Rect bounds{};
    SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds);
    return bounds.h;
}

Rect SdlPresenter::UsableBounds() const {
    SDL_Rect bounds{};
    SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window), &bounds);
    return {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

void SdlPresenter::ZoomedSize(int& width, int& height) const {
    width = textureWidth * zoom / 100;
    height = textureHeight * zoom / 100;
}

void SdlPresenter::SetZoom(int percent) {
    if (percent == zoom) {
        return;
    }
    zoom = percent;
    if (window == nullptr || renderer == nullptr || fullScreen) {
        return; // the next windowed Open takes the zoom
    }
    int width = 0, height = 0;
    ZoomedSize(width, height);
    const Rect placed = WindowPlacement::Resized(ClientBounds(), width, height, UsableBounds());
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, placed.left, placed.top);
    exposed = true;
}

FrameFit SdlPresenter::Fit() const {
    // In window coordinates, which mouse positions use; the renderer's output may count finer
    // pixels on a high-density screen.
    int width = 0, height = 0;
    if (window != nullptr) {
        SDL_GetWindowSize(window, &width, &height);
    }
    return FrameFit(textureWidth, textureHeight, width, height);
}

} // namespace platform
