#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gfx/Display.h"
#include "platform/memory/MemoryPresenter.h"

using namespace gfx;

// A display set up in a window over an in-memory presenter.
class DisplayFixture : public ::testing::Test {
protected:
    explicit DisplayFixture(int width = 800, int height = 600) {
        display = std::make_unique<Display>(presenter);
        EXPECT_TRUE(display->SetUpWindowed(width, height));
    }

    Surface& Back() { return *display->BackBuffer(); }
    std::uint16_t BackPixel(int x, int y) { return Back().Row(y)[x]; }

    // A surface filled from rows of RGB565 pixels.
    static std::unique_ptr<Surface> MakeSurface(int width, int height,
                                                const std::vector<std::uint16_t>& pixels) {
        auto surface = std::make_unique<Surface>();
        EXPECT_EQ(surface->Create(width, height, DDSCAPS_SYSTEMMEMORY), SurfaceResult::Ok);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                surface->WritableRow(y)[x] = pixels[static_cast<std::size_t>(y) * width + x];
            }
        }
        return surface;
    }

    platform::MemoryPresenter presenter;
    std::unique_ptr<Display> display;
};
