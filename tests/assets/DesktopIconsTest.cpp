// The desktop's icons: the game icon's one design at every theme size and as an SVG.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AssetManifest.h"
#include "ImageSet.h"
#include "formats/PngDecoder.h"
#include "marks/DesktopIcons.h"
#include "marks/MarkArtIcon.h"

namespace {

using assetgen::Canvas;
using assetgen::DesktopIcons;
using assetgen::ImageSet;

struct Rgb {
    int r;
    int g;
    int b;
};

// The pixel under the design's point (x, y) of its 64-unit grid, in square pixels of `size`.
Rgb DesignPoint(const std::vector<std::uint32_t>& pixels, int size, double x, double y) {
    const int px = static_cast<int>(x * size / assetgen::MarkArtIcon::kGrid);
    const int py = static_cast<int>(y * size / assetgen::MarkArtIcon::kGrid);
    const std::uint32_t p = pixels[py * size + px];
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
            static_cast<int>(p & 0xFF)};
}

Rgb DesignPoint(const Canvas& icon, double x, double y) {
    return DesignPoint(icon.Pixels(), icon.Width(), x, y);
}

bool IsGilt(const Rgb& c) {
    return c.r > 170 && c.g > 120 && c.b < 150 && c.b < c.g - 40;
}
bool IsCinnabar(const Rgb& c) {
    return c.r > 90 && c.r > 2 * c.g && c.r > 2 * c.b;
}

TEST(DesktopIcons, EverySizeShowsTheWholeDesignOpaque) {
    ImageSet images;
    DesktopIcons::Paint(images);
    for (const int size : assetgen::kDesktopIconSizes) {
        const Canvas* icon = images.Find(assetgen::DesktopIconPath(size));
        ASSERT_NE(icon, nullptr) << size;
        ASSERT_EQ(icon->Width(), size);
        ASSERT_EQ(icon->Height(), size);
        for (const std::uint32_t p : icon->Pixels()) {
            ASSERT_EQ(p >> 24, 255u) << size << ": a theme shows the seal square and whole";
        }
        // Scaled to the canvas, not drawn at 64 in a corner: the seal's ink at two far corners,
        // the gilt block low in the middle, over the gate.
        EXPECT_TRUE(IsCinnabar(DesignPoint(*icon, 62, 62))) << size;
        EXPECT_TRUE(IsCinnabar(DesignPoint(*icon, 62, 2))) << size;
        EXPECT_TRUE(IsGilt(DesignPoint(*icon, 27, 39))) << size;
        EXPECT_TRUE(IsGilt(DesignPoint(*icon, 37, 48))) << size;
    }
}

TEST(DesktopIcons, The64PixelIconIsTheWindowIcon) {
    ImageSet images;
    DesktopIcons::Paint(images);
    Canvas windowIcon(64, 64);
    assetgen::MarkArtIcon::Paint(windowIcon);
    const Canvas* icon = images.Find(assetgen::DesktopIconPath(64));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Pixels(), windowIcon.Pixels());
}

TEST(DesktopIcons, TheScalableIconDrawsTheSameShapesAsVectors) {
    const std::string svg = DesktopIcons::Svg();
    ASSERT_EQ(svg.rfind("<?xml", 0), 0u) << svg.substr(0, 80);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 64 64\""), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    // Vectors only: a raster inside would blur when the theme scales it.
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    // The seal's ink and the block's gilt, each a gradient of the design's colours: cinnabar
    // from the top left corner, gilt across the block over the gate (23, 35)-(41, 51).
    EXPECT_NE(svg.find("x1=\"0\" y1=\"0\" x2=\"64\" y2=\"64\""), std::string::npos);
    EXPECT_NE(svg.find("x1=\"23\" y1=\"35\" x2=\"41\" y2=\"51\""), std::string::npos);
}

TEST(DesktopIcons, ThePreviewOfTheScalableIconShowsTheDesignAtItsSize) {
    const std::string png = DesktopIcons::SvgPreview(256);
    formats::DecodedImage image;
    ASSERT_TRUE(formats::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(png.data()),
                                            png.size(), image));
    ASSERT_EQ(image.width, 256);
    ASSERT_EQ(image.height, 256);
    EXPECT_TRUE(IsCinnabar(DesignPoint(image.pixels, 256, 62, 62)));
    EXPECT_TRUE(IsGilt(DesignPoint(image.pixels, 256, 27, 39)));
    EXPECT_TRUE(IsGilt(DesignPoint(image.pixels, 256, 37, 48)));
}

TEST(DesktopIcons, TheManifestListsEveryThemeSizeAndTheSvg) {
    for (const int size : assetgen::kDesktopIconSizes) {
        const assetgen::AssetSpec* spec = assetgen::FindAsset(assetgen::DesktopIconPath(size));
        ASSERT_NE(spec, nullptr) << size;
        EXPECT_EQ(spec->kind, assetgen::AssetKind::Png);
        EXPECT_EQ(spec->width, size);
        EXPECT_EQ(spec->height, size);
    }
    EXPECT_EQ(assetgen::DesktopIconPath(48), "icons/hicolor/48x48/apps/tovak-marudo.png");
    EXPECT_NE(assetgen::FindAsset(assetgen::kScalableIconPath), nullptr);
}

} // namespace
