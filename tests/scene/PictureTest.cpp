#include <gtest/gtest.h>

#include <memory>

#include "ImageFiles.h"
#include "TempDir.h"
#include "gfx/Display.h"
#include "gfx/ImageCache.h"
#include "gfx/PixelKernels.h"
#include "platform/memory/MemoryPresenter.h"
#include "scene/Picture.h"

using namespace gfx;
using namespace scene;

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// A 60 x 40 back buffer, image files in a folder of their own, an empty image cache.
class PictureTest : public ::testing::Test {
protected:
    PictureTest() {
        display = std::make_unique<Display>(presenter);
        EXPECT_TRUE(display->SetUpWindowed(60, 40));
        root.SetSize(60, 40);
    }

    // A strip of `frames` frames of frameWidth x height, frame n filled with colour n * 0x10,
    // with its top-left pixel magenta.
    std::string WriteStrip(const std::string& name, int frames, int frameWidth, int height) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(frames) * frameWidth * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < frames * frameWidth; ++x) {
                pixels[static_cast<std::size_t>(y) * frames * frameWidth + x] =
                    static_cast<std::uint32_t>((x / frameWidth + 1) * 0x100000);
            }
        }
        pixels[0] = kMagenta;
        dir.Write(name, EncodeBmp8(frames * frameWidth, height, pixels));
        return dir.File(name);
    }

    std::uint16_t Pixel(int x, int y) { return display->BackBuffer()->Row(y)[x]; }
    static std::uint16_t FrameColor(int n) { return PixelKernels::ToRgb565(n * 0x100000); }

    void Frame() {
        display->ClearBackBuffer(0);
        root.Draw(*display);
    }

    TempDir dir;
    platform::MemoryPresenter presenter;
    std::unique_ptr<Display> display;
    Element root;
};

TEST_F(PictureTest, StripFramesSelectTheirSliceOfTheImage) {
    const std::string path = WriteStrip("strip.bmp", 3, 10, 5);
    Picture picture;
    ASSERT_EQ(picture.LoadImage(*display, path, 4, 2, 30, 5, 3), 1);
    root.AddChild(&picture);
    EXPECT_EQ(picture.width, 10);
    EXPECT_EQ(picture.currentFrame, 1);
    EXPECT_EQ(picture.fileName, path);
    Frame();
    EXPECT_EQ(Pixel(4, 2), 0) << "magenta is transparent";
    EXPECT_EQ(Pixel(5, 2), FrameColor(1));
    EXPECT_EQ(Pixel(13, 6), FrameColor(1));
    EXPECT_EQ(Pixel(14, 2), 0) << "one frame wide";

    picture.SetFrame(2);
    EXPECT_EQ(picture.sourceRect, (platform::Rect{10, 0, 20, 5}));
    Frame();
    EXPECT_EQ(Pixel(4, 2), FrameColor(2));
    EXPECT_EQ(Pixel(13, 6), FrameColor(2));
    picture.SetFrame(4); // out of range: ignored
    EXPECT_EQ(picture.currentFrame, 2);
    root.RemoveChild(&picture);
}

TEST_F(PictureTest, PictureWithoutAnImageOnlyPlacesItsChildren) {
    Picture empty;
    Element child;
    child.x = 3;
    child.SetSize(5, 5);
    empty.AddChild(&child);
    empty.SetFrame(1);
    EXPECT_EQ(empty.currentFrame, 0);
    empty.SetPosition(20, 10);
    EXPECT_EQ(empty.x, 20);
    EXPECT_EQ(empty.screenX, 0) << "no size, so no clip";
    EXPECT_EQ(child.screenX, 0) << "placed against the unsized parent at its origin";
    EXPECT_EQ(child.sourceRect.Width(), 0);
    EXPECT_FALSE(empty.BlitTo(*display, 0, 0, {0, 0, 1, 1}));
}

TEST_F(PictureTest, ClippedFrameOriginIsRestoredBeforeEveryPlacement) {
    const std::string path = WriteStrip("clip.bmp", 2, 30, 4);
    Element parent;
    parent.SetSize(60, 40);
    root.AddChild(&parent);
    Picture picture;
    ASSERT_EQ(picture.LoadImage(*display, path, -20, 0, 60, 4, 2), 1);
    parent.AddChild(&picture);
    picture.SetFrame(2);
    EXPECT_EQ(picture.sourceRect, (platform::Rect{50, 0, 60, 4}));
    picture.SetPosition(-20, 0);
    EXPECT_EQ(picture.sourceRect, (platform::Rect{50, 0, 60, 4}));
    Frame();
    EXPECT_EQ(Pixel(0, 0), FrameColor(2));
    EXPECT_EQ(Pixel(9, 3), FrameColor(2));
    EXPECT_EQ(Pixel(10, 0), 0);
    parent.RemoveChild(&picture);
    root.RemoveChild(&parent);
}

TEST_F(PictureTest, AlphaBlendsBitmapsButNotPngs) {
    dir.Write("white.bmp", EncodeBmp8(2, 1, {0xFFFFFF, kMagenta}));
    dir.Write("white.png", EncodePngRgba(2, 1, {0xFFFFFFFF, 0x00FFFFFF}));
    Picture bitmap;
    Picture png;
    ASSERT_EQ(bitmap.LoadImage(*display, dir.File("white.bmp"), 0, 0, 2, 1, 1), 1);
    ASSERT_EQ(png.LoadImage(*display, dir.File("white.png"), 0, 1, 2, 1, 1), 1);
    root.AddChild(&bitmap);
    root.AddChild(&png);
    root.SetAlpha(128);
    Frame();
    EXPECT_EQ(Pixel(0, 0), 0x7BEF) << "blended";
    EXPECT_EQ(Pixel(1, 0), 0) << "the key stays out of the blend";
    EXPECT_EQ(Pixel(0, 1), 0xFFFF) << "a png keeps its own alpha";
    EXPECT_EQ(Pixel(1, 1), 0);
    root.SetAlpha(255);
    Frame();
    EXPECT_EQ(Pixel(0, 0), 0xFFFF);
    EXPECT_EQ(Pixel(0, 1), 0xFFFF);

    bitmap.SetVisible(0);
    png.SetVisible(0);
    EXPECT_FALSE(bitmap.BlitTo(*display, 0, 0, bitmap.sourceRect));
    Frame();
    EXPECT_EQ(Pixel(0, 0), 0);
    EXPECT_EQ(Pixel(0, 1), 0);
    png.Draw(*display); // called directly, a hidden png still draws
    EXPECT_EQ(Pixel(0, 1), 0xFFFF);
    root.RemoveChild(&bitmap);
    root.RemoveChild(&png);
}

TEST_F(PictureTest, LoadsThatFailOrLoadNothing) {
    const std::string path = WriteStrip("ok.bmp", 1, 4, 4);
    dir.Write("caps.BMP", dir.Read("ok.bmp"));
    Picture picture;
    EXPECT_EQ(picture.LoadImage(*display, path, 0, 0, 4, 4, 0), 0) << "no frames";
    EXPECT_EQ(picture.LoadImage(*display, dir.File("missing.bmp"), 0, 0, 4, 4, 1), 0);
    EXPECT_EQ(picture.surface, nullptr);
    EXPECT_EQ(picture.LoadImage(*display, dir.File("caps.BMP"), 0, 0, 4, 4, 1), 1)
        << "loads nothing";
    EXPECT_EQ(picture.surface, nullptr);
    EXPECT_EQ(picture.pngImage, nullptr);
    dir.Write("short.bmp", dir.Read("ok.bmp").substr(0, 1077));
    EXPECT_EQ(picture.LoadImage(*display, dir.File("short.bmp"), 0, 0, 4, 4, 1), 0);
    Display notSetUp(presenter);
    EXPECT_EQ(picture.LoadImage(notSetUp, path, 0, 0, 4, 4, 1), 0) << "no display";
}

TEST_F(PictureTest, CachedSurfacesAreSharedAndOutliveTheirFirstOwner) {
    const std::string first = WriteStrip("first.bmp", 1, 4, 4);
    const std::string second = WriteStrip("second.bmp", 2, 2, 4);
    auto owner = std::make_unique<Picture>();
    Picture sharer;
    ASSERT_EQ(owner->LoadImage(*display, first, 0, 0, 4, 4, 1), 1);
    ASSERT_EQ(sharer.LoadImage(*display, first, 10, 0, 4, 4, 1), 1);
    EXPECT_EQ(sharer.surface, owner->surface) << "one surface for one path";
    EXPECT_TRUE(sharer.fileName.empty()) << "a cached surface is never the sharer's own";

    // The owner loads another file: the sharer still shows the first image.
    std::weak_ptr<Surface> firstSurface = owner->surface;
    ASSERT_EQ(owner->LoadImage(*display, second, 0, 0, 4, 4, 2), 1);
    EXPECT_FALSE(firstSurface.expired());
    owner.reset();
    EXPECT_FALSE(firstSurface.expired()) << "still in use by the sharer";
    root.AddChild(&sharer);
    Frame();
    EXPECT_EQ(Pixel(11, 1), FrameColor(1));

    // A sharer that loads its own file stops sharing; the last user frees the surface.
    ASSERT_EQ(sharer.LoadImage(*display, second, 10, 0, 4, 4, 2), 1);
    EXPECT_TRUE(firstSurface.expired());
    root.RemoveChild(&sharer);
}

TEST_F(PictureTest, ReleaseForgetsOwnAndSharedSurfaces) {
    const std::string path = WriteStrip("release.bmp", 1, 4, 4);
    Picture owner;
    Picture sharer;
    ASSERT_EQ(owner.LoadImage(*display, path, 0, 0, 4, 4, 1), 1);
    ASSERT_EQ(sharer.LoadImage(*display, path, 0, 0, 4, 4, 1), 1);
    root.AddChild(&owner);
    root.AddChild(&sharer);
    Frame();
    EXPECT_EQ(Pixel(1, 1), FrameColor(1));

    root.ReleaseSurfaces();
    EXPECT_EQ(owner.surface, nullptr);
    EXPECT_EQ(sharer.surface, nullptr);
    EXPECT_EQ(display->Images().FindCachedSurface(path), nullptr);
    Frame();
    EXPECT_EQ(Pixel(1, 1), 0);
    root.RemoveChild(&owner);
    root.RemoveChild(&sharer);
}

} // namespace
