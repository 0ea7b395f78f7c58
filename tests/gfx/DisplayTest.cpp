#include "DisplayFixture.h"

#include "ImageFiles.h"
#include "TempDir.h"
#include "gfx/Bitmap.h"

using namespace gfx;

namespace {

class SmallDisplayTest : public DisplayFixture {
protected:
    SmallDisplayTest() : DisplayFixture(6, 4) {}
};

using DisplayTest = DisplayFixture;

constexpr std::uint16_t kKey = 0xF81F;

TEST_F(DisplayTest, WindowedSetUpMakesAnRgb565BackBufferAndFollowsTheWindow) {
    const SurfaceDescription& back = Back().Description();
    EXPECT_EQ(back.width, 800);
    EXPECT_EQ(back.height, 600);
    EXPECT_EQ(back.pixelFormat.bitCount, 16u);
    EXPECT_EQ(back.pixelFormat.redMask, 0xF800u);
    EXPECT_EQ(back.pixelFormat.greenMask, 0x07E0u);
    EXPECT_EQ(back.pixelFormat.blueMask, 0x001Fu);
    EXPECT_EQ(display->Windowed(), 1);
    EXPECT_EQ(display->Bounds(), presenter.clientBounds);

    presenter.clientBounds = {10, 20, 810, 620}; // the window moved
    display->UpdateBounds();
    EXPECT_EQ(display->Bounds(), (platform::Rect{10, 20, 810, 620}));

    ASSERT_TRUE(display->SetUpFullScreen(800, 600, 16));
    EXPECT_EQ(display->Windowed(), 0);
    EXPECT_TRUE(presenter.fullScreen);
    EXPECT_EQ(display->Bounds(),
              (platform::Rect{0, 0, presenter.screenWidth, presenter.screenHeight}));
    EXPECT_FALSE(display->SetUpFullScreen(800, 600, 8));

    presenter.refuseOpen = true;
    EXPECT_FALSE(display->SetUpWindowed(800, 600));
    EXPECT_EQ(display->BackBuffer(), nullptr);
    EXPECT_EQ(display->ClearBackBuffer(0), SurfaceResult::NotCreated);
    EXPECT_EQ(display->Present(), PresentResult::NoBackBuffer);
    EXPECT_EQ(display->DarkenBackBuffer(3), SurfaceResult::NotCreated);
}

TEST_F(DisplayTest, VideoMemoryIsUsedOnlyWhenTheSurfaceFitsCountedInBits) {
    EXPECT_FALSE(Display::UsesVideoMemory(800, 600, 3u << 20));
    EXPECT_FALSE(Display::UsesVideoMemory(800, 600, 7680000));
    EXPECT_TRUE(Display::UsesVideoMemory(800, 600, 7680001));
    presenter.freeVideoMemory = 3u << 20;
    std::unique_ptr<Surface> copy;
    ASSERT_EQ(display->CreateScreenCopySurface(copy), SurfaceResult::Ok);
    EXPECT_NE(copy->Description().caps & DDSCAPS_SYSTEMMEMORY, 0u);
    presenter.freeVideoMemory = 8u << 20;
    ASSERT_EQ(display->CreateScreenCopySurface(copy), SurfaceResult::Ok);
    EXPECT_NE(copy->Description().caps & DDSCAPS_VIDEOMEMORY, 0u);
}

TEST_F(SmallDisplayTest, PresentShowsTheBackBufferAndReportsLossAndModeChanges) {
    display->ClearBackBuffer(0x1234);
    presenter.stillDrawingCount = 3;
    ASSERT_EQ(display->Present(), PresentResult::Ok) << "a frame still on its way is waited for";
    EXPECT_EQ(presenter.frame, std::vector<std::uint16_t>(24, 0x1234));

    presenter.loseSurfaces = true;
    EXPECT_EQ(display->Present(), PresentResult::SurfaceLost);
    EXPECT_EQ(presenter.restoreCount, 1) << "the presenter restores itself";
    EXPECT_EQ(display->Present(), PresentResult::Ok) << "restored";

    presenter.modeChanged = true;
    EXPECT_EQ(display->Present(), PresentResult::WrongMode);
}

TEST_F(SmallDisplayTest, ColorToPixelProbesTheTopLeftPixelAndPutsItBack) {
    auto surface = MakeSurface(2, 2, {0x1234, 1, 2, 3});
    EXPECT_EQ(surface->ColorToPixel(0xFF00FF), 0xF81Fu);
    EXPECT_EQ(surface->ColorToPixel(0x0000FF), 0xF800u) << "GDI colours hold red in the low byte";
    EXPECT_EQ(surface->ColorToPixel(0xFFFFFF), 0xFFFFu);
    EXPECT_EQ(surface->Row(0)[0], 0x1234);
    EXPECT_EQ(surface->ColorToPixel(CLR_INVALID), 0x1234u);
    Surface empty;
    EXPECT_EQ(empty.ColorToPixel(0xFF00FF), 0xFFFFFFFFu);
    EXPECT_EQ(empty.SetColorKey(0xFF00FF), SurfaceResult::NotCreated);
    ASSERT_EQ(surface->SetColorKey(0xFF00FF), SurfaceResult::Ok);
    EXPECT_TRUE(surface->colorKeyed);
    EXPECT_EQ(surface->Description().colorKeyLow, 0xF81Fu);
    EXPECT_EQ(surface->Description().colorKeyHigh, 0xF81Fu);
}

TEST_F(SmallDisplayTest, DarkenScalesEveryChannel) {
    struct Case {
        int factor;
        std::uint16_t from;
        std::uint16_t to;
    };
    const Case cases[] = {{128, 0xFFFF, 0x7BEF}, {0, 0xFFFF, 0},        {256, 0xFFFF, 0},
                          {255, 0xFFFF, 0xF7DE}, {384, 0xFFFF, 0x7BEF}, {128, 0x0821, 0}};
    for (const Case& c : cases) {
        display->ClearBackBuffer(c.from);
        display->DarkenBackBuffer(c.factor);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                ASSERT_EQ(BackPixel(x, y), c.to)
                    << "factor " << c.factor << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(SmallDisplayTest, KeyedCopyLeavesKeyPixelsOutAndClipsToTheBackBuffer) {
    auto source = MakeSurface(3, 2, {1, kKey, 3, 4, 5, kKey});
    source->SetColorKey(0xFF00FF);
    display->ClearBackBuffer(9);
    const platform::Rect whole{0, 0, 3, 2};
    ASSERT_EQ(display->BlitKeyed(1, 1, source.get(), &whole), SurfaceResult::Ok);
    const std::vector<std::uint16_t> expected = {9, 9, 9, 9, 9, 9, //
                                                 9, 1, 9, 3, 9, 9, //
                                                 9, 4, 5, 9, 9, 9, //
                                                 9, 9, 9, 9, 9, 9};
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(BackPixel(i % 6, i / 6), expected[i]) << i;
    }

    // Hanging over the right and bottom edges: only the part on the back buffer is copied.
    display->ClearBackBuffer(9);
    ASSERT_EQ(display->BlitKeyed(4, 3, source.get(), nullptr), SurfaceResult::Ok);
    EXPECT_EQ(BackPixel(4, 3), 1);
    EXPECT_EQ(BackPixel(5, 3), 9) << "key";
    EXPECT_EQ(BackPixel(3, 3), 9);

    // Source clipped on the left: a rectangle starting left of the back buffer.
    display->ClearBackBuffer(9);
    ASSERT_EQ(display->BlitKeyed(-1, 0, source.get(), &whole), SurfaceResult::Ok);
    EXPECT_EQ(BackPixel(0, 0), 9) << "key";
    EXPECT_EQ(BackPixel(1, 0), 3);
    EXPECT_EQ(BackPixel(0, 1), 5);

    // Without a key every pixel is copied, a sub-rectangle of the source at its place.
    auto plain = MakeSurface(3, 2, {1, kKey, 3, 4, 5, kKey});
    display->ClearBackBuffer(9);
    const platform::Rect right{1, 0, 3, 2};
    ASSERT_EQ(display->BlitKeyed(0, 0, plain.get(), &right), SurfaceResult::Ok);
    EXPECT_EQ(BackPixel(0, 0), kKey);
    EXPECT_EQ(BackPixel(1, 0), 3);
    EXPECT_EQ(BackPixel(0, 1), 5);
    EXPECT_EQ(BackPixel(2, 0), 9);

    EXPECT_EQ(display->BlitKeyed(0, 0, nullptr, &whole), SurfaceResult::InvalidArgument);
    Surface empty;
    EXPECT_EQ(display->BlitKeyed(0, 0, &empty, &whole), SurfaceResult::NotCreated);
}

TEST_F(SmallDisplayTest, KeyedCopyFollowsChangesToTheSourcePixels) {
    auto source = MakeSurface(2, 1, {kKey, 7});
    source->SetColorKey(0xFF00FF);
    display->ClearBackBuffer(0);
    display->BlitKeyed(0, 0, source.get(), nullptr);
    EXPECT_EQ(BackPixel(0, 0), 0);
    source->WritableRow(0)[0] = 5; // drawn into after the first copy
    display->BlitKeyed(0, 0, source.get(), nullptr);
    EXPECT_EQ(BackPixel(0, 0), 5);
}

// A compact surface (rows of odd width, so padded) draws nothing and comes back exactly; one
// of more than 256 colours stays as it is.
TEST_F(SmallDisplayTest, CompactSurfaceComesBackExactlyAndOnlyWithAFewColours) {
    for (const int colours : {256, 257}) {
        std::vector<std::uint16_t> pixels(static_cast<std::size_t>(21) * 13);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] = static_cast<std::uint16_t>((i * 7919 % colours) * 251);
        }
        auto surface = MakeSurface(21, 13, pixels);
        surface->SetColorKey(0xFF00FF);
        ASSERT_EQ(surface->Compact(), colours <= 256) << colours << " colours";
        if (colours <= 256) {
            EXPECT_FALSE(surface->IsCreated());
            display->ClearBackBuffer(0x1111);
            display->BlitKeyed(0, 0, surface.get(), nullptr);
            EXPECT_EQ(BackPixel(1, 1), 0x1111) << "a compact surface is not drawn";
            surface->Expand();
        }
        ASSERT_TRUE(surface->IsCreated());
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 21; ++x) {
                ASSERT_EQ(surface->Row(y)[x], pixels[static_cast<std::size_t>(y) * 21 + x])
                    << x << "," << y;
            }
        }
        EXPECT_EQ(surface->Key(), 0xF81F);
    }
}

TEST_F(SmallDisplayTest, BlendMixesEachChannelAndNeverDrawsTheKey) {
    struct Case {
        std::uint16_t source;
        std::uint16_t dest;
        int alpha;
        std::uint16_t expect;
        const char* what;
    };
    const Case cases[] = {
        {0xFFFF, 0x0000, 128, 0x7BEF, "white over black"},
        {0x0000, 0xFFFF, 128, 0x7BEF, "black over white: the shift rounds down"},
        {0xFFFF, 0x1234, 0, 0x1234, "alpha 0 leaves the back buffer"},
        {0xFFFF, 0x0000, 255, 0xF7DE, "alpha 255 is not quite opaque"},
        {0xFFFF, 0x0000, 256 + 128, 0x7BEF, "only the low 8 bits of alpha count"},
        {kKey, 0x1234, 128, 0x1234, "the key is never drawn"},
    };
    for (const Case& c : cases) {
        auto source = MakeSurface(1, 1, {c.source});
        source->SetColorKey(0xFF00FF);
        display->ClearBackBuffer(c.dest);
        ASSERT_EQ(display->BlendSurface(source.get(), 2, 1, 0, 0, 1, 1, c.alpha),
                  SurfaceResult::Ok);
        EXPECT_EQ(BackPixel(2, 1), c.expect) << c.what;
        EXPECT_EQ(BackPixel(1, 1), c.dest) << c.what << ": neighbours untouched";
    }
    EXPECT_EQ(display->BlendSurface(nullptr, 0, 0, 0, 0, 1, 1, 1), SurfaceResult::NotCreated);
}

TEST_F(SmallDisplayTest, ScreenCopyTakesTheBackBufferWithEachSurfacesOwnPitch) {
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            Back().WritableRow(y)[x] = static_cast<std::uint16_t>(y * 10 + x);
        }
    }
    std::unique_ptr<Surface> copy;
    ASSERT_EQ(display->CreateScreenCopySurface(copy), SurfaceResult::Ok);
    ASSERT_EQ(display->CopyBackBufferTo(copy.get()), SurfaceResult::Ok);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(copy->Row(y)[x], y * 10 + x);
        }
    }
    auto small = MakeSurface(3, 2, {0, 0, 0, 0, 0, 0});
    ASSERT_EQ(display->CopyBackBufferTo(small.get()), SurfaceResult::Ok)
        << "a smaller surface takes what fits";
    EXPECT_EQ(small->Row(1)[2], 12);
}

TEST_F(DisplayTest, SurfacesLoadOnlyFromBitmapFilesOfAtLeast1078Bytes) {
    TempDir dir;
    std::vector<std::uint32_t> pixels(20 * 18, 0x102030);
    pixels[0] = 0xFF00FF;
    const std::string bmp24 = EncodeBmp24(20, 18, pixels); // 54 + 18 * 60 = 1134 bytes
    ASSERT_GE(bmp24.size(), 1078u);
    dir.Write("long.bmp", bmp24);
    dir.Write("short.bmp", bmp24.substr(0, 1077));
    // A whole, valid bitmap shorter than the headers and a full colour table.
    dir.Write("small.bmp", EncodeBmp24(4, 4, std::vector<std::uint32_t>(16, 0x102030)));
    ASSERT_NE(Bitmap::Load(dir.File("small.bmp"), 0, 0), nullptr) << "a bitmap all the same";
    std::unique_ptr<Surface> refused;
    for (const char* name : {"small.bmp", "short.bmp"}) {
        EXPECT_EQ(display->CreateSurfaceFromBitmap(refused, dir.File(name), 0, 0),
                  SurfaceResult::FileUnreadable)
            << name;
    }

    std::unique_ptr<Surface> surface;
    ASSERT_EQ(display->CreateSurfaceFromBitmap(surface, dir.File("long.bmp"), 0, 0),
              SurfaceResult::Ok);
    EXPECT_EQ(surface->Width(), 20);
    EXPECT_EQ(surface->Row(0)[0], 0xF81F) << "magenta truncates to the key";
    EXPECT_EQ(surface->Row(17)[19], 0x1106);
    ASSERT_EQ(display->CreateSurfaceFromBitmap(surface, dir.File("long.bmp"), 10, 9),
              SurfaceResult::Ok);
    EXPECT_EQ(surface->Width(), 10) << "scaled to the size asked for";
    EXPECT_EQ(surface->Height(), 9);
    EXPECT_EQ(display->CreateSurfaceFromBitmap(surface, dir.File("missing.bmp"), 0, 0),
              SurfaceResult::FileUnreadable);
}

TEST_F(DisplayTest, PalettedBitmapsLoadRowByRowUnlessAnIndexIsPastThePalette) {
    TempDir dir;
    std::vector<std::uint32_t> pixels(30 * 4, 0x102030);
    pixels[5] = 0xFF00FF;
    pixels[7] = 0x00FF00; // the third colour of the palette, in the top row: the last one stored
    std::string bmp8 = EncodeBmp8(30, 4, pixels);
    dir.Write("paletted.bmp", bmp8);
    bmp8[46] = 2; // the header's colour count (256) becomes 2, leaving the third colour out
    bmp8[47] = 0;
    dir.Write("short-palette.bmp", bmp8);

    std::unique_ptr<Surface> surface;
    ASSERT_EQ(display->CreateSurfaceFromBitmap(surface, dir.File("paletted.bmp"), 0, 0),
              SurfaceResult::Ok);
    EXPECT_EQ(surface->Row(0)[5], 0xF81F);
    EXPECT_EQ(surface->Row(0)[7], 0x07E0);
    EXPECT_EQ(surface->Row(3)[29], 0x1106);
    const Surface* loaded = surface.get();
    EXPECT_EQ(display->CreateSurfaceFromBitmap(surface, dir.File("short-palette.bmp"), 0, 0),
              SurfaceResult::FileUnreadable)
        << "the rows decoded before the bad index make no surface";
    EXPECT_EQ(surface.get(), loaded);
}

} // namespace
