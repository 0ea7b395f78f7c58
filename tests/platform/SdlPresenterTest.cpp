#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ScopedEnv.h"
#include "platform/sdl/SdlPresenter.h"

namespace {

using platform::PresentStatus;
using platform::SdlPresenter;

constexpr int kWidth = 64;
constexpr int kHeight = 48;

using Frame = std::vector<std::uint16_t>;

// A frame of many colours, so a pixel out of place shows.
Frame Pattern() {
    Frame frame(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            frame[y * kWidth + x] = static_cast<std::uint16_t>(x * 1021 + y * 331);
        }
    }
    return frame;
}

// The frame with a small block changed, and its last pixel.
Frame Touched(Frame frame, int left, int top, std::uint16_t colour) {
    for (int y = top; y < top + 3; ++y) {
        for (int x = left; x < left + 5; ++x) {
            frame[y * kWidth + x] = colour;
        }
    }
    frame.back() = colour;
    return frame;
}

// SDL's "dummy" video driver keeps a window's surface in memory: what the presenter put on the
// window can be read back.
class SdlPresenterTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("", 0, 0, kWidth, kHeight, 0);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        presenter.SetWindow(window);
        presenter.SetPacing(false);
        ASSERT_TRUE(presenter.Open(false, kWidth, kHeight));
    }
    void TearDown() override {
        presenter.Close();
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    PresentStatus Present(const Frame& frame) {
        return presenter.Present(frame.data(), kWidth, kHeight, kWidth * 2);
    }

    // The pixels of the window's surface whose colour is not the frame's, scaled `times` over
    // (each frame pixel a block). SDL's conversions to 8 bits a channel may round one apart.
    int DifferingPixels(const Frame& frame, int times) {
        SDL_Surface* const surface = SDL_GetWindowSurface(window);
        EXPECT_EQ(surface->w, kWidth * times);
        EXPECT_EQ(surface->h, kHeight * times);
        EXPECT_EQ(surface->format->BytesPerPixel, 4);
        int differing = 0;
        for (int y = 0; y < surface->h; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch);
            for (int x = 0; x < surface->w; ++x) {
                differing +=
                    !Near(row[x], surface->format, frame[(y / times) * kWidth + x / times]);
            }
        }
        return differing;
    }
    static bool Near(std::uint32_t pixel, const SDL_PixelFormat* format, std::uint16_t rgb565) {
        std::uint8_t r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, format, &r, &g, &b);
        const auto near = [](int got, int bits, int shift, std::uint16_t value) {
            const int max = (1 << bits) - 1;
            return std::abs(got - ((value >> shift) & max) * 255 / max) <= 1;
        };
        return near(r, 5, 11, rgb565) && near(g, 6, 5, rgb565) && near(b, 5, 0, rgb565);
    }

    ScopedEnv videoDriver{"SDL_VIDEODRIVER", "dummy"};
    ScopedEnv renderDriver{"SDL_RENDER_DRIVER", "software"};
    SDL_Window* window = nullptr;
    SdlPresenter presenter;
};

TEST_F(SdlPresenterTest, ChangedAreasReachTheWindowOneToOneAndZoomed) {
    // Each frame is presented at a zoom and must then be in the window exactly.
    const auto shows = [this](const Frame& frame, int zoom) {
        presenter.SetZoom(zoom);
        return Present(frame) == PresentStatus::Shown && DifferingPixels(frame, zoom / 100) == 0;
    };
    const Frame first = Pattern();
    const Frame second = Touched(first, 10, 20, 0xF800);
    const Frame third = Touched(second, 40, 5, 0x07E0);
    EXPECT_TRUE(shows(first, 100));
    EXPECT_TRUE(shows(second, 100)) << "a changed area at 100 %";
    EXPECT_TRUE(shows(second, 200)) << "the whole frame once zoomed";
    EXPECT_TRUE(shows(third, 200)) << "a changed area zoomed";
    EXPECT_TRUE(shows(third, 100)) << "back to 100 %";
}

} // namespace
