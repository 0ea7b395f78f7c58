#include "gfx/Display.h"

#include "gfx/PixelKernels.h"
#include "platform/FileSystem.h"

namespace gfx {

Display::Display(platform::Presenter& presenter)
    : presenter(presenter),
      loader([this](int width, int height) { return MemoryCaps(width, height); }) {}

Display::~Display() {
    Release();
}

void Display::Release() {
    backBuffer.Release();
    if (created) {
        presenter.Close();
    }
    hasPrimary = false;
    created = false;
}

bool Display::UsesVideoMemory(int width, int height, std::uint64_t freeVideoMemory) {
    // The bit count is multiplied in, not the byte count.
    return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 16 <
           freeVideoMemory;
}

std::uint32_t Display::MemoryCaps(int width, int height) const {
    return UsesVideoMemory(width, height, presenter.FreeVideoMemory()) ? DDSCAPS_VIDEOMEMORY
                                                                       : DDSCAPS_SYSTEMMEMORY;
}

bool Display::CreateBackBuffer(int width, int height) {
    return backBuffer.Create(width, height, DDSCAPS_OFFSCREENPLAIN | MemoryCaps(width, height)) ==
           SurfaceResult::Ok;
}

bool Display::SetUpWindowed(int width, int height) {
    Release();
    if (!presenter.Open(false, width, height)) {
        return false;
    }
    created = true;
    hasPrimary = true;
    if (!CreateBackBuffer(width, height)) {
        return false;
    }
    windowed = 1;
    UpdateBounds();
    return true;
}

bool Display::SetUpFullScreen(int width, int height, int bitDepth) {
    Release();
    // Every surface is RGB565; no other depth can be shown.
    if (bitDepth != 16 || !presenter.Open(true, width, height)) {
        return false;
    }
    created = true;
    hasPrimary = true;
    if (!CreateBackBuffer(width, height)) {
        return false;
    }
    windowed = 0;
    UpdateBounds();
    return true;
}

void Display::UpdateBounds() {
    bounds = windowed ? presenter.ClientBounds()
                      : platform::Rect{0, 0, presenter.ScreenWidth(), presenter.ScreenHeight()};
}

SurfaceResult Display::ClearBackBuffer(std::uint32_t pixel) {
    if (!backBuffer.IsCreated()) {
        return SurfaceResult::NotCreated;
    }
    PixelKernels::Fill(backBuffer.WritableRow(0), backBuffer.Description().pitch,
                       backBuffer.Width(), backBuffer.Height(), static_cast<std::uint16_t>(pixel));
    return SurfaceResult::Ok;
}

PresentResult Display::Present() {
    if (!hasPrimary && !backBuffer.IsCreated()) {
        return PresentResult::NoBackBuffer;
    }
    for (;;) {
        switch (presenter.Present(backBuffer.Pixels(), backBuffer.Width(), backBuffer.Height(),
                                  backBuffer.Description().pitch)) {
        case platform::PresentStatus::Shown:
            return PresentResult::Ok;
        case platform::PresentStatus::StillDrawing:
            continue;
        case platform::PresentStatus::SurfaceLost:
            return PresentResult::SurfaceLost;
        case platform::PresentStatus::WrongMode:
            return PresentResult::WrongMode;
        }
    }
}

SurfaceResult Display::BlitKeyed(int x, int y, Surface* source, const platform::Rect* rect) {
    if (source == nullptr) {
        return SurfaceResult::InvalidArgument;
    }
    if (!backBuffer.IsCreated() || !source->IsCreated()) {
        return SurfaceResult::NotCreated;
    }
    platform::Rect area =
        rect != nullptr ? *rect : platform::Rect{0, 0, source->Width(), source->Height()};
    if (!platform::ClipBlit(area, x, y, source->Width(), source->Height(), backBuffer.Width(),
                            backBuffer.Height())) {
        return SurfaceResult::Ok;
    }
    const std::ptrdiff_t destPitch = backBuffer.Description().pitch;
    if (!source->colorKeyed) {
        PixelKernels::Copy(backBuffer.WritableRow(y), destPitch, source->Row(area.top) + area.left,
                           source->Description().pitch, area.Width(), area.Height());
        return SurfaceResult::Ok;
    }
    // Keyed: copy the opaque runs of each row, clipped to the rectangle.
    for (int row = area.top; row < area.bottom; ++row) {
        const std::uint16_t* in = source->Row(row);
        std::uint16_t* out = backBuffer.WritableRow(y + row - area.top) + x - area.left;
        const Surface::Runs runs = source->OpaqueRuns(row);
        for (const std::uint16_t* run = runs.begin; run != runs.end; run += 2) {
            const int begin = std::max<int>(run[0], area.left);
            const int end = std::min<int>(run[1], area.right);
            if (begin < end) {
                std::copy(in + begin, in + end, out + begin);
            }
        }
    }
    return SurfaceResult::Ok;
}

SurfaceResult Display::BlendSurface(Surface* source, int destX, int destY, int sourceLeft,
                                    int sourceTop, int sourceRight, int sourceBottom, int alpha) {
    if (source == nullptr || !source->IsCreated() || !backBuffer.IsCreated()) {
        return SurfaceResult::NotCreated;
    }
    const PixelFormat& format = backBuffer.Description().pixelFormat;
    platform::Rect area{sourceLeft, sourceTop, sourceRight, sourceBottom};
    if (format.bitCount != 16 || format.redMask != 0xF800 ||
        !platform::ClipBlit(area, destX, destY, source->Width(), source->Height(),
                            backBuffer.Width(), backBuffer.Height())) {
        return SurfaceResult::Ok;
    }
    PixelKernels::BlendKeyed(backBuffer.WritableRow(destY) + destX, backBuffer.Description().pitch,
                             source->Row(area.top) + area.left, source->Description().pitch,
                             area.Width(), area.Height(), source->Key(), alpha & 0xFF);
    return SurfaceResult::Ok;
}

SurfaceResult Display::CreateSurfaceFromBitmap(std::unique_ptr<Surface>& out, std::string_view name,
                                               int cx, int cy) {
    if (!created || name.empty()) {
        return SurfaceResult::InvalidArgument;
    }
    return loader.Load(name, cx, cy, out);
}

SurfaceResult Display::CreateScreenCopySurface(std::unique_ptr<Surface>& out) {
    out.reset();
    if (!backBuffer.IsCreated()) {
        return SurfaceResult::InvalidArgument;
    }
    auto surface = std::make_unique<Surface>();
    const int width = backBuffer.Width();
    const int height = backBuffer.Height();
    if (const SurfaceResult made =
            surface->Create(width, height, DDSCAPS_OFFSCREENPLAIN | MemoryCaps(width, height));
        made != SurfaceResult::Ok) {
        return made;
    }
    out = std::move(surface);
    return SurfaceResult::Ok;
}

SurfaceResult Display::CopyBackBufferTo(Surface* destination) {
    if (destination == nullptr || !destination->IsCreated() || !backBuffer.IsCreated()) {
        return SurfaceResult::NotCreated;
    }
    const PixelFormat& format = backBuffer.Description().pixelFormat;
    if (format.bitCount != 16 || format.redMask != 0xF800) {
        return SurfaceResult::Ok;
    }
    // A smaller destination takes the part that fits.
    const int width = std::min(backBuffer.Width(), destination->Width());
    const int rows = std::min(backBuffer.Height(), destination->Height());
    PixelKernels::Copy(destination->WritableRow(0), destination->Description().pitch,
                       backBuffer.Row(0), backBuffer.Description().pitch, width, rows);
    return SurfaceResult::Ok;
}

SurfaceResult Display::DarkenBackBuffer(int factor) {
    if (!backBuffer.IsCreated()) {
        return SurfaceResult::NotCreated;
    }
    const PixelFormat& format = backBuffer.Description().pixelFormat;
    if (format.bitCount == 16 && format.redMask == 0xF800) {
        PixelKernels::Darken(backBuffer.WritableRow(0), backBuffer.Description().pitch,
                             backBuffer.Width(), backBuffer.Height(), factor & 0xFF);
    }
    return SurfaceResult::Ok;
}

} // namespace gfx
