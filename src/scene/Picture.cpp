#include "scene/Picture.h"

#include "core/Trace.h"
#include "gfx/Display.h"
#include "gfx/PngImage.h"
#include "gfx/Surface.h"

namespace scene {

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
// LoadImage's result when the new surface refuses its colour key.
constexpr int kKeyRefused = -1;

// The characters after the last '.', compared exactly: "BMP" is not "bmp".
std::string_view Extension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
}

} // namespace

Picture::Picture() = default;

Picture::~Picture() = default;

void Picture::SetFrame(int n) {
    if (currentFrame == 0 || currentFrame > frameCount || n < 1 || n > frameCount) {
        return;
    }
    Watched([&] {
        currentFrame = n;
        sourceRect.left = (n - 1) * width;
        sourceRect.top = 0;
        SetSize(width, height);
    });
}

void Picture::SetPosition(int newX, int newY) {
    Watched([&] {
        x = newX;
        y = newY;
        SetFrame(currentFrame);
    });
    ForEachChild([](Element& child) { child.SetPosition(child.x, child.y); });
}

void Picture::SetSize(int newWidth, int newHeight) {
    if (newWidth == 0 || newHeight == 0) {
        return;
    }
    Element::SetSize(newWidth, newHeight);
    if (pngImage) {
        pngDestRect = {screenX, screenY, screenX + sourceRect.Width(),
                       screenY + sourceRect.Height()};
    }
}

int Picture::LoadBitmap(std::string_view path, int stripWidth, int stripHeight) {
    std::unique_ptr<gfx::Surface> made;
    if (display->CreateSurfaceFromBitmap(made, path, stripWidth, stripHeight) !=
        gfx::SurfaceResult::Ok) {
        core::Trace("创建失败!!!:  %s  \n", std::string(path).c_str());
        return 0;
    }
    surface = std::move(made);
    if (surface->SetColorKey(kMagenta) != gfx::SurfaceResult::Ok) {
        return kKeyRefused;
    }
    display->Images().CacheSurface(path, surface);
    return 1;
}

void Picture::Shelve(bool shelved) {
    if (!surface) {
        return;
    }
    if (shelved) {
        surface->Compact();
    } else {
        surface->Expand();
    }
}

int Picture::LoadImage(gfx::Display& target, std::string_view path, int newX, int newY,
                       int stripWidth, int stripHeight, int frames) {
    // Whatever comes of it, the old image is gone.
    MarkChanged();
    surface.reset();
    display = &target;
    const auto count = static_cast<std::uint16_t>(frames);
    // Every kind of file needs a frame to divide the strip by.
    if (count == 0) {
        return 0;
    }
    if (std::shared_ptr<gfx::Surface> cached = target.Images().FindCachedSurface(path)) {
        // Shared, never this picture's own to redraw.
        surface = std::move(cached);
        fileName.clear();
    } else if (Extension(path) == "bmp") {
        ReleaseSurfaces();
        display = &target;
        fileName = std::string(path);
        if (const int loaded = LoadBitmap(path, stripWidth, stripHeight); loaded != 1) {
            return loaded;
        }
    } else if (Extension(path) == "png") {
        pngImage = std::make_unique<gfx::PngImage>(path);
    }
    imageWidth = stripWidth;
    frameCount = count;
    sourceRect.top = 0;
    currentFrame = 1;
    width = static_cast<int>(static_cast<unsigned>(stripWidth) / count);
    imageHeight = stripHeight;
    height = stripHeight;
    sourceRect.bottom = stripHeight;
    SetPosition(newX, newY);
    return 1;
}

bool Picture::BlitTo(gfx::Display& target, int destX, int destY, const platform::Rect& rect) {
    if (visible == 0 || !surface || display == nullptr) {
        return false;
    }
    if (alpha == 255) {
        target.BlitKeyed(destX, destY, surface.get(), &rect);
    } else {
        target.BlendSurface(surface.get(), destX, destY, rect.left, rect.top, rect.right,
                            rect.bottom, alpha);
    }
    return true;
}

void Picture::Draw(gfx::Display& target) {
    if (!BlitTo(target, screenX, screenY, sourceRect) && pngImage && display != nullptr) {
        if (gfx::Surface* back = target.BackBuffer()) {
            pngImage->Draw(*back, screenX - sourceRect.left, screenY - sourceRect.top, pngDestRect);
        }
    }
    Element::Draw(target);
}

void Picture::ReleaseSurfaces() {
    MarkChanged();
    surface.reset();
    // The display goes away with its surfaces; a new one comes with the next load.
    display = nullptr;
    Element::ReleaseSurfaces();
}

} // namespace scene
