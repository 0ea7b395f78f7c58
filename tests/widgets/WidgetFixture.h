#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ImageFiles.h"
#include "TempDir.h"
#include "gfx/DisplayFixture.h"
#include "gfx/ImageCache.h"
#include "gfx/PixelKernels.h"

using namespace gfx;

// A back buffer of the given size, a folder for image files and an empty image cache.
class WidgetFixture : public DisplayFixture {
protected:
    using PixelOf = std::function<std::uint32_t(int frame, int x, int y)>;

    WidgetFixture(int width, int height) : DisplayFixture(width, height) {}
    ~WidgetFixture() override { display->Images().ClearImageCache(); }

    // Frame n (from 1) of the strips below, solid.
    static std::uint32_t FrameColour(int n) { return static_cast<std::uint32_t>(n) * 0x100000; }
    static std::uint16_t FramePixel(int n) { return PixelKernels::ToRgb565(FrameColour(n)); }

    // A bitmap strip of `frames` frames of frameWidth x height; pixel (x, y) of frame n is
    // pixelOf(n, x, y), by default FrameColour(n).
    std::string WriteStrip(const std::string& name, int frames, int frameWidth, int height,
                           const PixelOf& pixelOf = nullptr) {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < frames * frameWidth; ++x) {
                const int frame = x / frameWidth + 1;
                pixels.push_back(pixelOf ? pixelOf(frame, x % frameWidth, y) : FrameColour(frame));
            }
        }
        dir.Write(name, EncodeBmp8(frames * frameWidth, height, pixels));
        return dir.File(name);
    }

    // The visible pixels of the back buffer, row after row, without the rows' padding.
    std::vector<std::uint16_t> BackPixels() {
        std::vector<std::uint16_t> pixels;
        for (int y = 0; y < Back().Height(); ++y) {
            pixels.insert(pixels.end(), Back().Row(y), Back().Row(y) + Back().Width());
        }
        return pixels;
    }

    // Every visible back-buffer pixel equals `expected` (laid out as BackPixels); the first
    // difference is reported.
    ::testing::AssertionResult BackEquals(const std::vector<std::uint16_t>& expected) {
        const std::vector<std::uint16_t> actual = BackPixels();
        for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i) {
            if (actual[i] != expected[i]) {
                const auto width = static_cast<std::size_t>(Back().Width());
                return ::testing::AssertionFailure()
                       << "pixel (" << i % width << ", " << i / width << ") is " << actual[i]
                       << ", expected " << expected[i];
            }
        }
        if (actual.size() != expected.size()) {
            return ::testing::AssertionFailure() << "sizes differ";
        }
        return ::testing::AssertionSuccess();
    }

    TempDir dir;
};
