#include "DisplayFixture.h"

#include "ImageFiles.h"
#include "TempDir.h"
#include "gfx/PixelKernels.h"
#include "gfx/PngImage.h"

using namespace gfx;

namespace {

class PngImageTest : public DisplayFixture {
protected:
    PngImageTest() : DisplayFixture(4, 3) {}
};

TEST_F(PngImageTest, AlphaDecidesBetweenLeavingCopyingAndMixing) {
    TempDir dir;
    dir.Write("a.png", EncodePngRgba(3, 1, {0x00FFFFFF, 0xFF00FF00, 0x80FFFFFF}));
    const PngImage image(dir.File("a.png"));
    ASSERT_FALSE(image.IsEmpty());
    EXPECT_TRUE(image.HasAlpha());
    display->ClearBackBuffer(0x0000);
    image.Draw(Back(), 1, 1, {0, 0, 4, 3});
    EXPECT_EQ(BackPixel(1, 1), 0x0000) << "alpha 0 leaves the pixel";
    EXPECT_EQ(BackPixel(2, 1), 0x07E0) << "alpha 255 copies";
    // (255 * 128 + 0 * 127) >> 8 = 127 per channel, then truncated to 565.
    EXPECT_EQ(BackPixel(3, 1), PixelKernels::ToRgb565(0x7F7F7F));
    EXPECT_EQ(BackPixel(0, 1), 0x0000);
}

TEST_F(PngImageTest, DrawingStaysInsideTheClipAndTheSurface) {
    TempDir dir;
    dir.Write("b.png", EncodePngRgba(3, 3, std::vector<std::uint32_t>(9, 0xFFFFFFFF)));
    const PngImage image(dir.File("b.png"));
    display->ClearBackBuffer(0);
    image.Draw(Back(), -1, 1, {0, 0, 1, 3});
    EXPECT_EQ(BackPixel(0, 0), 0);
    EXPECT_EQ(BackPixel(0, 1), 0xFFFF);
    EXPECT_EQ(BackPixel(0, 2), 0xFFFF);
    EXPECT_EQ(BackPixel(1, 1), 0) << "outside the clip";
    image.Draw(Back(), 2, 2, {0, 0, 100, 100}); // hangs over the surface's corner
    EXPECT_EQ(BackPixel(3, 2), 0xFFFF);
}

TEST_F(PngImageTest, UnreadableFilesGiveAnEmptyImageThatDrawsNothing) {
    TempDir dir;
    dir.Write("bad.png", "\x89PNG\r\n\x1a\n garbage");
    for (const std::string& name : {dir.File("bad.png"), dir.File("missing.png")}) {
        const PngImage image(name);
        EXPECT_TRUE(image.IsEmpty()) << name;
        display->ClearBackBuffer(5);
        image.Draw(Back(), 0, 0, {0, 0, 4, 3});
        EXPECT_EQ(BackPixel(0, 0), 5);
    }
}

} // namespace
