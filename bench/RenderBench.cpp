// The drawing kernels against SDL2's software blits of the same RGB565 pixels and against
// memcpy of the same bytes. Targets: keyed copy and blend no slower than SDL (ratio <= 1), a
// mostly opaque keyed copy within 2x of memcpy, an 800x600 24-bit bitmap decoded and converted
// in under 3 ms, and a changed frame shown on a window zoomed up to 2.5x in under 4 ms (a quarter
// of a 60 Hz frame).
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "gfx/Display.h"
#include "gfx/PixelKernels.h"
#include "platform/FrameFit.h"
#include "platform/memory/MemoryPresenter.h"

using namespace gfx;

namespace {

constexpr std::uint16_t kKey = 0xF81F;

// A picture-like image: opaque inside, key-coloured around an irregular border that covers
// roughly the given share of the pixels.
void FillPicture(Surface& surface, double transparentShare) {
    std::mt19937 random(7);
    const int border = static_cast<int>(surface.Width() * transparentShare / 2);
    for (int y = 0; y < surface.Height(); ++y) {
        const int jitter = border == 0 ? 0 : static_cast<int>(random() % 3);
        for (int x = 0; x < surface.Width(); ++x) {
            const bool edge = x < border + jitter || x >= surface.Width() - border - jitter;
            surface.WritableRow(y)[x] = edge ? kKey : static_cast<std::uint16_t>(random() & 0xF7DE);
        }
    }
    surface.SetColorKey(0xFF00FF);
}

struct Scene {
    platform::MemoryPresenter presenter;
    Display display{presenter};
    Surface source;
    SDL_Surface* sdlSource = nullptr;
    SDL_Surface* sdlDest = nullptr;

    Scene(int width, int height, double transparentShare) {
        display.SetUpWindowed(800, 600);
        source.Create(width, height, DDSCAPS_SYSTEMMEMORY);
        FillPicture(source, transparentShare);
        Surface& back = *display.BackBuffer();
        sdlSource = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<std::uint16_t*>(source.Row(0)), width, height, 16,
            source.Description().pitch, SDL_PIXELFORMAT_RGB565);
        sdlDest =
            SDL_CreateRGBSurfaceWithFormatFrom(back.WritableRow(0), back.Width(), back.Height(), 16,
                                               back.Description().pitch, SDL_PIXELFORMAT_RGB565);
        SDL_SetColorKey(sdlSource, SDL_TRUE, kKey);
    }
    ~Scene() {
        SDL_FreeSurface(sdlSource);
        SDL_FreeSurface(sdlDest);
    }
};

void BM_BlitKeyed(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0.1);
    const platform::Rect whole{0, 0, scene.source.Width(), scene.source.Height()};
    for (auto _ : state) {
        scene.display.BlitKeyed(0, 0, &scene.source, &whole);
        benchmark::ClobberMemory();
    }
}

void BM_SdlBlitColorKey(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0.1);
    for (auto _ : state) {
        SDL_Rect to{0, 0, 0, 0};
        SDL_BlitSurface(scene.sdlSource, nullptr, scene.sdlDest, &to);
        benchmark::ClobberMemory();
    }
}

void BM_Memcpy(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0.1);
    Surface& back = *scene.display.BackBuffer();
    for (auto _ : state) {
        PixelKernels::Copy(back.WritableRow(0), back.Description().pitch, scene.source.Row(0),
                           scene.source.Description().pitch, scene.source.Width(),
                           scene.source.Height());
        benchmark::ClobberMemory();
    }
}

void BM_BlendSurface(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0.1);
    for (auto _ : state) {
        scene.display.BlendSurface(&scene.source, 0, 0, 0, 0, scene.source.Width(),
                                   scene.source.Height(), 128);
        benchmark::ClobberMemory();
    }
}

void BM_SdlBlitAlphaMod(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0.1);
    SDL_SetSurfaceAlphaMod(scene.sdlSource, 128);
    SDL_SetSurfaceBlendMode(scene.sdlSource, SDL_BLENDMODE_BLEND);
    for (auto _ : state) {
        SDL_Rect to{0, 0, 0, 0};
        SDL_BlitSurface(scene.sdlSource, nullptr, scene.sdlDest, &to);
        benchmark::ClobberMemory();
    }
}

void BM_DarkenBackBuffer(benchmark::State& state) {
    Scene scene(1, 1, 0);
    for (auto _ : state) {
        scene.display.DarkenBackBuffer(128);
        benchmark::ClobberMemory();
    }
}

void BM_LoadBitmap800x600x24(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "tovak-bench-800x600.bmp";
    {
        const int stride = 800 * 3;
        std::string bytes = "BM";
        auto put32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) {
                bytes.push_back(static_cast<char>(v >> (8 * i)));
            }
        };
        put32(54 + stride * 600);
        put32(0);
        put32(54);
        put32(40);
        put32(800);
        put32(600);
        put32(1 | 24 << 16);
        put32(0);
        put32(stride * 600);
        put32(0);
        put32(0);
        put32(0);
        put32(0);
        std::mt19937 random(3);
        for (int i = 0; i < stride * 600; ++i) {
            bytes.push_back(static_cast<char>(random()));
        }
        std::ofstream(file, std::ios::binary) << bytes;
    }
    platform::MemoryPresenter presenter;
    Display display(presenter);
    display.SetUpWindowed(800, 600);
    for (auto _ : state) {
        std::unique_ptr<Surface> surface;
        if (display.CreateSurfaceFromBitmap(surface, file.string(), 800, 600) !=
            gfx::SurfaceResult::Ok) {
            state.SkipWithError("bitmap not loaded");
            break;
        }
        benchmark::DoNotOptimize(surface);
    }
    std::filesystem::remove(file);
}

// What the desktop presenter does for each changed frame of a zoomed window: the RGB565 frame
// converted into a streaming texture of the window's own format, which SDL's software renderer
// then only has to scale onto the 32-bit window surface (smoothed at 1.5x, copied pixels
// from 2x up). The second argument 1 uploads the RGB565 frame as it is instead, leaving the
// conversion to the scaling copy: SDL's slow path.
void BM_PresentZoomed(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const bool raw565 = state.range(1) != 0;
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, 800 * zoom / 100, 600 * zoom / 100, 32,
                                                         SDL_PIXELFORMAT_RGB888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(window);
    const std::uint32_t format = raw565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, 800, 600);
    Scene scene(800, 600, 0.1);
    const platform::FrameFit fit(800, 600, window->w, window->h);
    SDL_SetTextureScaleMode(texture, fit.Smoothed() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    const platform::Rect target = fit.Target();
    const SDL_Rect destination{target.left, target.top, target.Width(), target.Height()};
    const int pitch = scene.source.Description().pitch;
    for (auto _ : state) {
        if (raw565) {
            SDL_UpdateTexture(texture, nullptr, scene.source.Row(0), pitch);
        } else {
            void* pixels = nullptr;
            int texturePitch = 0;
            SDL_LockTexture(texture, nullptr, &pixels, &texturePitch);
            SDL_ConvertPixels(800, 600, SDL_PIXELFORMAT_RGB565, scene.source.Row(0), pitch, format,
                              pixels, texturePitch);
            SDL_UnlockTexture(texture);
        }
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, &destination);
        SDL_RenderPresent(renderer);
        benchmark::ClobberMemory();
    }
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(window);
}

} // namespace

BENCHMARK(BM_PresentZoomed)
    ->ArgsProduct({{100, 150, 200, 250}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BlitKeyed)->Args({800, 600})->Args({98, 94});
BENCHMARK(BM_SdlBlitColorKey)->Args({800, 600})->Args({98, 94});
BENCHMARK(BM_Memcpy)->Args({800, 600})->Args({98, 94});
BENCHMARK(BM_BlendSurface)->Args({800, 600})->Args({98, 94});
BENCHMARK(BM_SdlBlitAlphaMod)->Args({800, 600})->Args({98, 94});
BENCHMARK(BM_DarkenBackBuffer);
BENCHMARK(BM_LoadBitmap800x600x24)->Unit(benchmark::kMillisecond);
