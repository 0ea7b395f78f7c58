// The screens and panels as the game lays them out (where pieces, rows, fields and grooves lie
// on each picture, and that colour-keyed pictures keep crisp edges), the texture and ornament
// pieces they are made of, and the previews composed from them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "AssetManifest.h"
#include "ImageSet.h"
#include "Painters.h"
#include "Text.h"
#include "encode/OutputTree.h"
#include "formats/PngDecoder.h"
#include "game/Layout.h"
#include "preview/PreviewComposer.h"
#include "preview/PreviewContactSheet.h"
#include "puzzle/Geometry.h"
#include "screens/ScreenArtHelpPages.h"
#include "screens/ScreenArtLandscape.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtNoise.h"
#include "screens/ScreenArtOrnaments.h"
#include "screens/ScreenArtPixels.h"
#include "screens/ScreenArtRandom.h"

using namespace puzzle;

namespace {

using assetgen::Canvas;
using assetgen::Colour;
using assetgen::ImageSet;

// The pictures painted once for every test of this file.
class ScreenArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        images = new ImageSet();
        assetgen::PaintScreens(*images);
    }
    static void TearDownTestSuite() {
        delete images;
        images = nullptr;
    }

    static const Canvas& Image(const std::string& path) {
        const Canvas* canvas = images->Find(path);
        EXPECT_NE(canvas, nullptr) << path;
        static const Canvas empty(1, 1);
        return canvas != nullptr ? *canvas : empty;
    }

    static ImageSet* images;
};

ImageSet* ScreenArt::images = nullptr;

std::uint32_t At(const std::vector<std::uint32_t>& pixels, const Canvas& canvas, int x, int y) {
    return pixels[static_cast<std::size_t>(y) * canvas.Width() + x];
}

double Luminance(std::uint32_t p) {
    return 0.3 * ((p >> 16) & 0xFF) + 0.59 * ((p >> 8) & 0xFF) + 0.11 * (p & 0xFF);
}

// Mean luminance of a rectangle.
double MeanLuminance(const Canvas& canvas, int x, int y, int w, int h) {
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    double sum = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            sum += Luminance(At(pixels, canvas, column, row));
        }
    }
    return sum / (w * h);
}

const char* const kScreenImages[] = {"Graphic/UI/desk.bmp",
                                     "Graphic/UI/youxijiemian.bmp",
                                     "Graphic/UI/lodingtiao.bmp",
                                     "Graphic/UI/lodingtiao_1.png",
                                     "Graphic/UI/ui_biaotilan.bmp",
                                     "Graphic/UI/left_tile.png",
                                     "Graphic/UI/logo.bmp",
                                     "Graphic/UI/phbang.bmp",
                                     "Graphic/UI/guog.bmp",
                                     "Graphic/UI/pinput.bmp",
                                     "Graphic/UI/jies.bmp",
                                     "Graphic/UI/zhezhao.png",
                                     "Graphic/setting/m_set_node.bmp",
                                     "Graphic/setting/ok.bmp",
                                     "Graphic/setting/leave_lable.bmp"};

TEST_F(ScreenArt, EveryScreenImageIsPaintedAndRepaintsTheSame) {
    ImageSet again;
    assetgen::PaintScreens(again);
    for (const char* path : kScreenImages) {
        const Canvas* first = images->Find(path);
        const Canvas* second = again.Find(path);
        ASSERT_NE(first, nullptr) << path;
        ASSERT_NE(second, nullptr) << path;
        EXPECT_TRUE(first->Pixels() == second->Pixels()) << path << " differs between runs";
    }
}

// A half-covered pixel on a keyed picture's edge turns into a hard step or a magenta halo, so
// every pixel is either fully drawn or fully clear; the corners of the rounded or scroll-shaped
// pages stay clear, their middles drawn.
TEST_F(ScreenArt, KeyedPicturesHaveCrispEdgesAndClearCorners) {
    for (const assetgen::AssetSpec& spec : assetgen::AssetManifest()) {
        const Canvas* canvas = images->Find(spec.path);
        if (spec.kind != assetgen::AssetKind::KeyedBmp || canvas == nullptr) {
            continue;
        }
        int soft = 0;
        for (const std::uint32_t p : canvas->Pixels()) {
            const std::uint32_t alpha = p >> 24;
            soft += alpha != 0 && alpha != 255 ? 1 : 0;
        }
        EXPECT_EQ(soft, 0) << spec.path << " has half-transparent pixels";
    }
    for (const char* path :
         {"Graphic/UI/phbang.bmp", "Graphic/UI/guog.bmp", "Graphic/UI/pinput.bmp",
          "Graphic/setting/m_set_node.bmp", "Graphic/setting/leave_lable.bmp"}) {
        const Canvas& canvas = Image(path);
        const std::vector<std::uint32_t> pixels = canvas.Pixels();
        const int w = canvas.Width();
        const int h = canvas.Height();
        EXPECT_EQ(At(pixels, canvas, 0, 0) >> 24, 0u) << path;
        EXPECT_EQ(At(pixels, canvas, w - 1, h - 1) >> 24, 0u) << path;
        EXPECT_EQ(At(pixels, canvas, w / 2, h / 2) >> 24, 255u) << path;
    }
    // Each help page is a narrow scroll: clear down its sides, drawn in its middle.
    const Canvas& help = Image("Graphic/UI/jies.bmp");
    const std::vector<std::uint32_t> pixels = help.Pixels();
    for (int page = 0; page < 3; ++page) {
        EXPECT_EQ(At(pixels, help, page * 119 + 1, 200) >> 24, 0u) << "page " << page + 1;
        EXPECT_EQ(At(pixels, help, page * 119 + 60, 200) >> 24, 255u) << "page " << page + 1;
    }
}

// Pieces are drawn at (14 + 98 col, 36 + 94 row): the floor must be exactly there, the grid
// lines on the cell edges, the frame outside, and the frame open under columns 1 and 2.
TEST_F(ScreenArt, DeskBoardLiesWhereThePiecesGo) {
    const Canvas& desk = Image("Graphic/UI/desk.bmp");
    const double floor = MeanLuminance(desk, 14 + 30, 36 + 30, 40, 30);
    // Inside the board, right at its edges, is floor; just outside is the darker frame.
    EXPECT_GT(MeanLuminance(desk, 14, 60, 3, 400), floor * 0.7);
    EXPECT_GT(MeanLuminance(desk, 403, 60, 3, 400), floor * 0.7);
    EXPECT_GT(MeanLuminance(desk, 40, 36, 340, 3), floor * 0.7);
    EXPECT_GT(MeanLuminance(desk, 40, 503, 50, 3), floor * 0.7);
    EXPECT_LT(MeanLuminance(desk, 4, 60, 8, 400), floor * 0.6);
    EXPECT_LT(MeanLuminance(desk, 408, 60, 8, 400), floor * 0.6);
    EXPECT_LT(MeanLuminance(desk, 40, 27, 340, 8), floor * 0.6);
    // The grooves between cells, in both directions.
    for (int column = 1; column < 4; ++column) {
        EXPECT_LT(MeanLuminance(desk, 14 + 98 * column - 1, 60, 1, 400), floor * 0.75)
            << "column edge " << column;
    }
    for (int row = 1; row < 5; ++row) {
        EXPECT_LT(MeanLuminance(desk, 30, 36 + 94 * row - 1, 360, 1), floor * 0.75)
            << "row edge " << row;
    }
    // The exit: floor runs on below columns 1 and 2, while the frame closes below 0 and 3.
    for (int y = 500; y < 524; ++y) {
        EXPECT_GT(MeanLuminance(desk, 130, y, 160, 1), floor * 0.7) << "gate row " << y;
    }
    EXPECT_LT(MeanLuminance(desk, 30, 508, 60, 8), floor * 0.6);
    EXPECT_LT(MeanLuminance(desk, 330, 508, 60, 8), floor * 0.6);
}

// White text goes on the step digits' well, on the leaderboard's rows and in the name field;
// each must be dark enough to read it, and the level list's rows lie on light parchment.
TEST_F(ScreenArt, WhiteTextLandsOnDarkGround) {
    const Canvas& desk = Image("Graphic/UI/desk.bmp");
    EXPECT_LT(MeanLuminance(desk, 547, 72, 32, 15), 60);
    EXPECT_GT(MeanLuminance(desk, 447, 368, 187, 113), 150);

    const Canvas& board = Image("Graphic/UI/phbang.bmp");
    for (int row = 0; row < 10; ++row) {
        const int textTop = 135 + 34 * row + 12;
        EXPECT_LT(MeanLuminance(board, 63, textTop, 135, 16), 60) << "name, row " << row;
        EXPECT_LT(MeanLuminance(board, 198, textTop, 33, 16), 60) << "result, row " << row;
    }
    // The header above the rows stays on the paper.
    EXPECT_GT(MeanLuminance(board, 40, 95, 220, 8), 150);

    const Canvas& entry = Image("Graphic/UI/pinput.bmp");
    EXPECT_LT(MeanLuminance(entry, 80, 98, 192, 23), 60);
    EXPECT_GT(MeanLuminance(entry, 80, 70, 192, 10), 150);
}

TEST_F(ScreenArt, SettingsGroovesLevelsAndTickBoxLineUp) {
    const Canvas& page = Image("Graphic/setting/m_set_node.bmp");
    // The grooves under the knobs: dark along their centre line, paper just above the knobs.
    for (const int centre : {142, 192}) {
        EXPECT_LT(MeanLuminance(page, 100, centre - 1, 224, 3), 60) << "groove at " << centre;
        EXPECT_GT(MeanLuminance(page, 100, centre - 22, 224, 3), 120) << "above " << centre;
    }
    // A tick over each of the 16 knob centres, none between them.
    const std::vector<std::uint32_t> pixels = page.Pixels();
    for (int level = 0; level < 16; ++level) {
        const int x = 95 + 12 + 14 * level;
        EXPECT_LT(Luminance(At(pixels, page, x, 127)), Luminance(At(pixels, page, x + 7, 127)) - 40)
            << "level " << level;
    }
    // The tick image is the empty box with a tick in it: same pixels where no ink fell.
    const Canvas& tick = Image("Graphic/setting/ok.bmp");
    ASSERT_EQ(tick.Width(), 31);
    ASSERT_EQ(tick.Height(), 25);
    const std::vector<std::uint32_t> ticked = tick.Pixels();
    int same = 0;
    int inked = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 31; ++x) {
            const std::uint32_t p = At(ticked, tick, x, y);
            EXPECT_EQ(p >> 24, 255u) << "tick pixel " << x << "," << y << " not opaque";
            const bool equal = p == At(pixels, page, 95 + x, 208 + y);
            same += equal ? 1 : 0;
            inked += equal ? 0 : 1;
        }
    }
    EXPECT_GT(same, 31 * 25 / 2);
    EXPECT_GT(inked, 60);
}

TEST_F(ScreenArt, LoadingBarOverlayAndLogoBehaveAsShown) {
    // The bar is cut at any width, so it has no right end: drawn to its last column.
    const Canvas& bar = Image("Graphic/UI/lodingtiao_1.png");
    const std::vector<std::uint32_t> fill = bar.Pixels();
    for (const int x : {4, 88, 177, 265, 353}) {
        for (int y = 0; y < 30; ++y) {
            ASSERT_EQ(At(fill, bar, x, y) >> 24, 255u) << x << "," << y;
        }
    }
    // The veil dims the board by about half and fades out at its foot.
    const Canvas& veil = Image("Graphic/UI/zhezhao.png");
    const std::vector<std::uint32_t> dim = veil.Pixels();
    const std::uint32_t middle = At(dim, veil, 400, 240) >> 24;
    EXPECT_GE(middle, 0.45 * 255);
    EXPECT_LE(middle, 0.6 * 255);
    EXPECT_LT(At(dim, veil, 400, 479) >> 24, 10u);
    // The logo's four frames differ (the glint moves) and blend into the menu at (20, 24).
    const Canvas& logo = Image("Graphic/UI/logo.bmp");
    const Canvas& menu = Image("Graphic/UI/youxijiemian.bmp");
    const std::vector<std::uint32_t> frames = logo.Pixels();
    const std::vector<std::uint32_t> behind = menu.Pixels();
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(At(frames, logo, f * 200, 34), At(behind, menu, 20, 24 + 34)) << "frame " << f;
        if (f > 0) {
            int differing = 0;
            for (int y = 0; y < 35; ++y) {
                for (int x = 0; x < 200; ++x) {
                    differing +=
                        At(frames, logo, f * 200 + x, y) != At(frames, logo, (f - 1) * 200 + x, y)
                            ? 1
                            : 0;
                }
            }
            EXPECT_GT(differing, 50) << "frames " << f << " and " << f + 1;
        }
    }
}

// The title bar's three button places stay free of ornament: nothing brighter than lacquer
// above the gilt rule at its foot.
TEST_F(ScreenArt, TitleBarButtonPlacesArePlain) {
    const Canvas& bar = Image("Graphic/UI/ui_biaotilan.bmp");
    const std::vector<std::uint32_t> pixels = bar.Pixels();
    for (int y = 0; y < 20; ++y) {
        for (int x = 692; x < 774; ++x) {
            ASSERT_LT(Luminance(At(pixels, bar, x, y)), 90) << x << "," << y;
        }
    }
}

TEST(HelpPages, EveryLineFitsItsNarrowPage) {
    Canvas scratch(1, 1);
    for (int page = 1; page <= 3; ++page) {
        const std::vector<assetgen::HelpLine> lines = assetgen::HelpPageLines(page);
        EXPECT_FALSE(lines.empty()) << "page " << page;
        for (const assetgen::HelpLine& line : lines) {
            const assetgen::TextStyle style{
                line.calligraphy ? assetgen::kCalligraphy : assetgen::kPlain, line.size};
            EXPECT_LE(assetgen::MeasureText(scratch.Cr(), style, line.text).width,
                      assetgen::kHelpTextWidth)
                << "page " << page << ": " << line.text;
        }
    }
}

TEST(Previews, ContactSheetShowsEachImageOnceAndOnlyTheEndsOfTheLevels) {
    ImageSet images;
    for (const assetgen::AssetSpec& spec : assetgen::AssetManifest()) {
        if (spec.width > 0 && spec.height > 0) {
            images.Add(spec.path);
        }
    }
    const std::vector<std::string> paths = assetgen::ContactSheetPaths(images);
    auto shown = [&](const std::string& path) {
        return std::count(paths.begin(), paths.end(), path);
    };
    EXPECT_EQ(shown("Graphic/UI/desk.bmp"), 1);
    EXPECT_EQ(shown("Graphic/Board/1.bmp"), 1);
    EXPECT_EQ(shown("Graphic/Board/10.bmp"), 1);
    EXPECT_EQ(shown("Graphic/Board/s10.bmp"), 1);
    EXPECT_EQ(shown("Graphic/Board/11.bmp"), 0);
    EXPECT_EQ(shown("Graphic/Board/s265.bmp"), 0);
    EXPECT_EQ(shown("Graphic/Board/266.bmp"), 1);
    EXPECT_EQ(shown("Graphic/Board/s267.bmp"), 1);
    EXPECT_EQ(shown("Graphic/UI/sfx_zi.bmp"), 1);
}

TEST_F(ScreenArt, PreviewsAreWrittenAsScreenSizedPictures) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("screen-art-test-" + std::to_string(::getpid()));
    assetgen::OutputTree preview(dir.string());
    assetgen::Levels levels(1);
    levels[0].grid[2] = 2; // the 2x2 block at column 0, row 2
    assetgen::WritePreviews(*images, levels, preview);
    for (const char* name :
         {"menu-leaderboard.png", "board-level1.png", "win-panel.png", "name-entry.png",
          "settings.png", "leave-dialog.png", "loading-half.png", "contact-sheet.png"}) {
        const std::string path = (dir / name).string();
        ASSERT_TRUE(std::filesystem::exists(path)) << name;
        std::string bytes(std::filesystem::file_size(path), '\0');
        std::FILE* file = std::fopen(path.c_str(), "rb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
        formats::DecodedImage image;
        ASSERT_TRUE(formats::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                bytes.size(), image))
            << name;
        if (std::string(name) != "contact-sheet.png") {
            EXPECT_EQ(image.width, 800) << name;
            EXPECT_EQ(image.height, 600) << name;
        }
    }
    std::filesystem::remove_all(dir);
}

// --- The pieces the pictures are made of. ---

TEST(ScreenArtNoise, SmoothBoundedAndFixedBySeed) {
    const assetgen::ScreenArtNoise noise(5);
    const assetgen::ScreenArtNoise same(5);
    const assetgen::ScreenArtNoise other(6);
    int differs = 0;
    double lowest = 1;
    double highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const double x = i * 0.173 - 40; // negative coordinates too
        const double y = i * 0.091 - 20;
        const double v = noise.At(x, y);
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
        ASSERT_GE(v, 0.0);
        ASSERT_LE(v, 1.0);
        // Smooth: a hundredth of a feature away changes the value only a little.
        ASSERT_LT(std::abs(noise.At(x + 0.01, y) - v), 0.05) << x << "," << y;
        ASSERT_EQ(v, same.At(x, y));
        differs += std::abs(other.At(x, y) - v) > 0.01 ? 1 : 0;
        for (const double layered : {noise.Fbm(x, y, 4), noise.Ridged(x, y, 3)}) {
            ASSERT_GE(layered, 0.0);
            ASSERT_LE(layered, 1.0);
        }
    }
    // The values use the range, and another seed gives another pattern.
    EXPECT_LT(lowest, 0.2);
    EXPECT_GT(highest, 0.8);
    EXPECT_GT(differs, 1000);
}

TEST(ScreenArtRandom, ZeroSeedStillRunsAndStaysInRange) {
    assetgen::ScreenArtRandom random(0);
    std::uint32_t previous = random.Next();
    int repeats = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t next = random.Next();
        repeats += next == previous ? 1 : 0;
        previous = next;
        const double u = random.Uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        const double r = random.Range(-3, 5);
        ASSERT_GE(r, -3.0);
        ASSERT_LT(r, 5.0);
    }
    EXPECT_EQ(repeats, 0);
}

TEST(ShadePixels, BlendsByAlphaAndStaysInsideTheCanvas) {
    Canvas canvas(8, 6);
    cairo_set_source_rgb(canvas.Cr(), 0, 0, 1);
    cairo_paint(canvas.Cr());
    // Half red over the blue, on a rectangle hanging off the top-left corner.
    assetgen::ShadePixels(canvas, -4, -4, 8, 7, [](int, int) { return Colour{1, 0, 0, 0.5}; });
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    const std::uint32_t mixed = pixels[0];
    EXPECT_EQ(mixed >> 24, 255u);
    EXPECT_NEAR(static_cast<int>((mixed >> 16) & 0xFF), 128, 2);
    EXPECT_NEAR(static_cast<int>(mixed & 0xFF), 127, 2);
    EXPECT_EQ(pixels[3], mixed);               // last column inside the rectangle
    EXPECT_EQ(pixels[4], 0xFF0000FFu);         // first column outside it
    EXPECT_EQ(pixels[2 * 8 + 0], mixed);       // last row inside
    EXPECT_EQ(pixels[3 * 8 + 0], 0xFF0000FFu); // first row outside
    // Over a clear canvas the colour keeps its own value at its own coverage.
    Canvas clear(2, 2);
    assetgen::ShadePixels(clear, 0, 0, 2, 2, [](int x, int) {
        return Colour{0.2, 0.6, 1, x == 0 ? 0.5 : 0};
    });
    const std::vector<std::uint32_t> out = clear.Pixels();
    EXPECT_NEAR(static_cast<int>(out[0] >> 24), 128, 1);
    EXPECT_NEAR(static_cast<int>((out[0] >> 8) & 0xFF), 153, 2);
    EXPECT_EQ(out[1], 0u);
    // A rectangle wholly outside touches nothing.
    assetgen::ShadePixels(clear, 5, 5, 3, 3, [](int, int) { return Colour{1, 1, 1, 1}; });
    EXPECT_EQ(clear.Pixels(), out);
}

TEST(ShadePixels, MixAndSmoothStepClampAtTheirEnds) {
    const Colour a{0, 0.5, 1, 1};
    const Colour b{1, 0.5, 0, 0};
    EXPECT_EQ(assetgen::Mix(a, b, -2).r, 0);
    EXPECT_EQ(assetgen::Mix(a, b, 3).b, 0);
    EXPECT_DOUBLE_EQ(assetgen::Mix(a, b, 0.25).a, 0.75);
    EXPECT_EQ(assetgen::SmoothStep(2, 4, 1), 0);
    EXPECT_EQ(assetgen::SmoothStep(2, 4, 5), 1);
    EXPECT_DOUBLE_EQ(assetgen::SmoothStep(2, 4, 3), 0.5);
}

TEST(FillPathWith, FillsOnlyThePathAndLeavesNoSoftEdgeWhenAsked) {
    Canvas canvas(40, 40);
    cairo_t* cr = canvas.Cr();
    assetgen::RoundedRectPath(cr, 5.3, 5.3, 20, 20, 6);
    assetgen::FillPathWith(
        canvas,
        [](int, int) {
            return Colour{0, 1, 0, 1};
        },
        false);
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    EXPECT_EQ(x1 - x0, 0) << "the path is used up";
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    int inside = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const std::uint32_t p = pixels[y * 40 + x];
            ASSERT_TRUE(p == 0 || p == 0xFF00FF00u) << x << "," << y;
            if (p != 0) {
                ++inside;
                ASSERT_TRUE(x >= 5 && x <= 25 && y >= 5 && y <= 25) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inside, 20 * 20 - 4 * 12);
    EXPECT_EQ(pixels[6 * 40 + 6], 0u) << "the rounded corner stays clear";
    // An empty path fills nothing.
    cairo_new_path(cr);
    assetgen::FillPathWith(canvas, [](int, int) { return Colour{1, 0, 0, 1}; });
    EXPECT_EQ(canvas.Pixels(), pixels);
}

TEST(PaintMountains, InkLiesUnderTheRidgeAndThePassDipsIt) {
    assetgen::MountainRange range{60, 30, 40, Colour{0, 0, 0, 1}, 0.8, 20, 9};
    range.passX = 50;
    range.passWidth = 10;
    range.passDepth = 25;
    // Tall enough for the ink fifty rows under the deepest crest, in the pass.
    constexpr int kHeight = 160;
    Canvas canvas(100, kHeight);
    assetgen::PaintMountains(canvas, 0, 0, 100, kHeight, range);
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    for (const int x : {10, 50, 85}) {
        const double ridge = assetgen::RidgeY(range, x);
        const int above = static_cast<int>(ridge) - 2;
        const int below = static_cast<int>(ridge) + 2;
        ASSERT_GT(above, 0);
        ASSERT_LT(below + 50, kHeight);
        EXPECT_EQ(pixels[above * 100 + x] >> 24, 0u) << "sky over x " << x;
        EXPECT_GT(pixels[below * 100 + x] >> 24, 128u) << "crest at x " << x;
        // The ink thins out downwards.
        EXPECT_LT(pixels[(below + 50) * 100 + x] >> 24, pixels[below * 100 + x] >> 24);
    }
    range.passDepth = 0;
    EXPECT_GT(assetgen::RidgeY({60, 30, 40, {}, 0.8, 20, 9, 50, 10, 25}, 50),
              assetgen::RidgeY(range, 50) + 20);
}

TEST(Ornaments, SealsAndWellsStayInTheirSquares) {
    for (const char* text : {"关", "突围", "英雄好汉"}) {
        Canvas canvas(60, 60);
        assetgen::Seal(canvas, 10, 12, 30, text, 3);
        const std::vector<std::uint32_t> pixels = canvas.Pixels();
        int red = 0;
        int paper = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                const std::uint32_t p = pixels[y * 60 + x];
                if (p >> 24 == 0) {
                    continue;
                }
                ASSERT_TRUE(x >= 10 && x < 40 && y >= 12 && y < 42) << text << " " << x << "," << y;
                const int r = (p >> 16) & 0xFF;
                const int g = (p >> 8) & 0xFF;
                red += r > 150 && g < 90 ? 1 : 0;
                paper += r > 200 && g > 190 ? 1 : 0;
            }
        }
        EXPECT_GT(red, 300) << text;
        EXPECT_GT(paper, 40) << text << ": carved characters show";
    }
    // A well is dark inside, with its gilt rim outside the rectangle given.
    Canvas canvas(40, 30);
    assetgen::InkWell(canvas, 10, 10, 20, 10, 2, 4);
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    auto luminance = [&](int x, int y) { return Luminance(pixels[y * 40 + x]); };
    EXPECT_LT(luminance(20, 16), 50);
    EXPECT_GT(luminance(20, 9), 100);
    EXPECT_EQ(pixels[5 * 40 + 5], 0u);
}

TEST(Ornaments, TitlePairReportsTheBottomOfWhatItDrew) {
    Canvas canvas(200, 100);
    const assetgen::TitleStyle style{24, 10, Colour{0, 0, 0, 1}, Colour{0, 0, 0, 1}, 0};
    const double bottom = assetgen::TitlePair(canvas.Cr(), style, "设置", "SETTINGS", 100, 10);
    EXPECT_GT(bottom, 10 + 24);
    EXPECT_LT(bottom, 10 + 24 + 30);
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    int lowest = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (pixels[y * 200 + x] >> 24 > 0) {
                lowest = y;
            }
        }
    }
    EXPECT_LE(lowest, bottom);
    EXPECT_GT(lowest, bottom - 8);
}

// --- The preview composer draws as the game does. ---

TEST(PreviewComposer, KeyedOpaqueAndAlphaImagesComposeAsTheGameDrawsThem) {
    ImageSet images;
    // A keyed strip of five 13 x 10 frames: frame 2 half covered by a strong and a weak pixel.
    Canvas* keyed = images.Add("Graphic/Button/syy.bmp");
    std::vector<std::uint32_t> strip(65 * 10, 0);
    strip[13 + 0] = 0xC0FF0000u; // alpha 192: drawn, opaque
    strip[13 + 1] = 0x70FF0000u; // alpha 112: skipped, like the key
    keyed->SetPixels(strip);
    Canvas* png = images.Add("Graphic/UI/lodingtiao_1.png");
    std::vector<std::uint32_t> bar(354 * 30, 0x8000FF00u);
    png->SetPixels(bar);

    assetgen::PreviewComposer composer(images, 20, 12);
    cairo_set_source_rgb(composer.Target().Cr(), 0, 0, 1);
    cairo_paint(composer.Target().Cr());
    EXPECT_TRUE(composer.Place("Graphic/Button/syy.bmp", 2, 1, 2));
    EXPECT_FALSE(composer.Place("Graphic/UI/desk.bmp", 0, 0)) << "not painted";
    std::vector<std::uint32_t> out = composer.Target().Pixels();
    EXPECT_EQ(out[1 * 20 + 2], 0xFFFF0000u);
    EXPECT_EQ(out[1 * 20 + 3], 0xFF0000FFu);
    // PNGs blend; a width limit cuts the strip on the right.
    composer.Place("Graphic/UI/lodingtiao_1.png", 0, 5, 1, 4);
    out = composer.Target().Pixels();
    const std::uint32_t blended = out[6 * 20 + 3];
    EXPECT_NEAR(static_cast<int>((blended >> 8) & 0xFF), 128, 2);
    EXPECT_NEAR(static_cast<int>(blended & 0xFF), 127, 2);
    EXPECT_EQ(out[6 * 20 + 4], 0xFF0000FFu);
}

TEST(PreviewComposer, PicturesShowTheColoursOfA565BackBuffer) {
    ImageSet images;
    assetgen::PreviewComposer composer(images, 2, 1);
    std::vector<std::uint32_t> colours = {0xFF123456u, 0xFFFFFFFFu};
    composer.Target().SetPixels(colours);
    const std::string png = composer.Png();
    formats::DecodedImage image;
    ASSERT_TRUE(formats::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(png.data()),
                                            png.size(), image));
    ASSERT_EQ(image.width, 2);
    // 0x12 0x34 0x56 keep 5, 6 and 5 bits, widened again: 0x10 0x34 0x52.
    const std::uint32_t first = image.pixels[0];
    EXPECT_EQ((first >> 16) & 0xFF, 0x10u);
    EXPECT_EQ((first >> 8) & 0xFF, 0x34u);
    EXPECT_EQ(first & 0xFF, 0x52u);
    EXPECT_EQ(image.pixels[1] & 0xFFFFFFu, 0xFFFFFFu);
}

// The screens are composed at the game's coordinates: pieces at (14 + 98 col, 36 + 94 row),
// the selected piece's frame over it, the loading bar cut at half its width.
class PreviewScreens : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("screen-preview-test-" + std::to_string(::getpid()));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static void Fill(ImageSet& images, const std::string& path, std::uint32_t argb) {
        Canvas* canvas = images.Add(path);
        ASSERT_NE(canvas, nullptr) << path;
        canvas->SetPixels(std::vector<std::uint32_t>(
            static_cast<std::size_t>(canvas->Width()) * canvas->Height(), argb));
    }

    formats::DecodedImage Written(const std::string& name) const {
        formats::DecodedImage image;
        const std::string path = (dir / name).string();
        std::string bytes(std::filesystem::exists(path) ? std::filesystem::file_size(path) : 0,
                          '\0');
        if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
            const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
            bytes.resize(read);
        }
        formats::PngDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    bytes.size(), image);
        return image;
    }

    static std::uint32_t Rgb(const formats::DecodedImage& image, int x, int y) {
        return image.pixels[static_cast<std::size_t>(y) * image.width + x] & 0xFFFFFF;
    }

    std::filesystem::path dir;
};

TEST_F(PreviewScreens, PiecesFramesAndTheBarStandWhereTheGameDrawsThem) {
    ImageSet images;
    // Colours that come through the reduction to 5-6-5 unchanged.
    Fill(images, "Graphic/UI/desk.bmp", 0xFF000000u);
    Fill(images, "Graphic/UI/caocao.bmp", 0xFFFF0000u);
    Fill(images, "Graphic/UI/guanyu.bmp", 0xFF00FF00u);
    Fill(images, "Graphic/UI/bing.bmp", 0xFF0000FFu);
    Canvas* frame = images.Add("Graphic/Effects/bigkuang.png");
    std::vector<std::uint32_t> border(196 * 188, 0);
    for (int x = 0; x < 196; ++x) {
        border[x] = 0xFFFFFFFFu; // the frame's top row only
    }
    frame->SetPixels(border);
    Fill(images, "Graphic/UI/lodingtiao.bmp", 0xFF000000u);
    Fill(images, "Graphic/UI/lodingtiao_1.png", 0xFFFF0000u);

    assetgen::Levels levels(1);
    levels[0].grid[CellIndex(1, 3)] = 2;  // the 2x2 block over the exit
    levels[0].grid[CellIndex(0, 0)] = 4;  // an upright general
    levels[0].grid[CellIndex(3, 4)] = 19; // a soldier
    assetgen::OutputTree preview(dir.string());
    assetgen::WritePreviews(images, levels, preview);

    const formats::DecodedImage board = Written("board-level1.png");
    ASSERT_EQ(board.width, 800);
    ASSERT_EQ(board.height, 600);
    // Each piece covers exactly its cells.
    EXPECT_EQ(Rgb(board, 14 + 98, 36 + 94 * 3 + 1), 0xFF0000u);
    EXPECT_EQ(Rgb(board, 14 + 98 * 3 - 1, 36 + 94 * 5 - 1), 0xFF0000u);
    EXPECT_EQ(Rgb(board, 14 + 98 - 1, 36 + 94 * 4), 0x000000u);
    EXPECT_EQ(Rgb(board, 14, 36 + 94 * 2 - 1), 0x00FF00u);
    EXPECT_EQ(Rgb(board, 14, 36 + 94 * 2), 0x000000u);
    EXPECT_EQ(Rgb(board, 14 + 98 * 3, 36 + 94 * 4), 0x0000FFu);
    EXPECT_EQ(Rgb(board, 14 + 98 * 3 - 1, 36 + 94 * 4 - 1), 0xFF0000u);
    // The 2x2 block is the one selected: its frame's top row lies on the block's top row.
    EXPECT_EQ(Rgb(board, 14 + 98 + 50, 36 + 94 * 3), 0xFFFFFFu);
    EXPECT_EQ(Rgb(board, 14 + 98 + 50, 36 + 94 * 3 + 1), 0xFF0000u);

    const formats::DecodedImage loading = Written("loading-half.png");
    ASSERT_EQ(loading.width, 800);
    EXPECT_EQ(Rgb(loading, 225, 542), 0xFF0000u);
    EXPECT_EQ(Rgb(loading, 225 + 176, 571), 0xFF0000u);
    EXPECT_EQ(Rgb(loading, 225 + 177, 560), 0x000000u);
    EXPECT_EQ(Rgb(loading, 224, 560), 0x000000u);
}

// With every image of the layout a flat colour of its own, each image a preview draws shows its
// colour at its top-left corner on the screen, unless an image drawn later covers that pixel.
TEST_F(PreviewScreens, ImagesStandAtTheirLayoutPlaces) {
    using game::Image;
    using game::ImagePlace;
    using game::Layout;
    ImageSet images;
    std::map<std::string, std::uint32_t> colours;
    std::uint32_t index = 0;
    for (const ImagePlace& place : Layout::AllImages()) {
        // Red and green steps that the reduction to 5-6-5 keeps apart; never black or magenta.
        const std::uint32_t colour = ((index % 32) * 8) << 16 | ((index / 32) * 4) << 8 | 0x40;
        colours[place.file] = colour;
        Fill(images, place.file, 0xFF000000u | colour);
        ++index;
    }
    assetgen::Levels levels(1);
    assetgen::OutputTree preview(dir.string());
    assetgen::WritePreviews(images, levels, preview);

    const auto of = [](std::initializer_list<Image> list) {
        std::vector<ImagePlace> places;
        for (const Image image : list) {
            places.push_back(Layout::Of(image));
        }
        return places;
    };
    const std::vector<ImagePlace> titleBar =
        of({Image::TitleBar, Image::TitleIcon, Image::MinimizeButton, Image::FullScreenButton,
            Image::CloseButton});
    std::vector<ImagePlace> menu =
        of({Image::MenuBackground, Image::SettingsButton, Image::LeaveButton, Image::StartButton,
            Image::LeaderboardButton});
    std::vector<ImagePlace> board =
        of({Image::BoardBackground, Image::LevelPrevButton, Image::LevelNextButton});
    for (int level = 1; level <= Layout::kLevelsPerPage; ++level) {
        board.push_back(Layout::LevelButton(level));
        board.push_back(Layout::LevelName(level));
    }
    for (const ImagePlace& place :
         of({Image::MoreGamesButton, Image::ClickMeButton, Image::ExitButton, Image::HelpPages,
             Image::HelpPrevButton, Image::HelpNextButton, Image::PassedMark, Image::RowLine,
             Image::StepDigits, Image::FewestLabel, Image::HintButton, Image::ReturnButton})) {
        board.push_back(place);
    }
    board.insert(board.end(), titleBar.begin(), titleBar.end());
    const auto then = [](std::vector<ImagePlace> first, const std::vector<ImagePlace>& more) {
        first.insert(first.end(), more.begin(), more.end());
        return first;
    };
    const struct {
        const char* name;
        std::vector<ImagePlace> drawn; // in drawing order
    } shots[] = {
        {"menu-leaderboard.png", then(then(menu, of({Image::Leaderboard, Image::Logo})), titleBar)},
        {"settings.png", then(then(then(menu, of({Image::Logo})), titleBar),
                              of({Image::SettingsPage, Image::FullscreenTick, Image::SettingsCancel,
                                  Image::SettingsOk}))},
        {"board-level1.png", board},
        {"win-panel.png",
         then(board, of({Image::WinPanel, Image::NextLevelButton, Image::CloseWinButton}))},
        {"name-entry.png", then(board, of({Image::NameEntry, Image::NameOk, Image::NameCancel}))},
        {"leave-dialog.png", then(board, of({Image::Overlay, Image::LeavePage,
                                             Image::LeaveYesButton, Image::LeaveNoButton}))},
        {"loading-half.png", of({Image::Loading, Image::LoadingBar})},
    };
    for (const auto& shot : shots) {
        const formats::DecodedImage written = Written(shot.name);
        ASSERT_EQ(written.width, 800) << shot.name;
        for (std::size_t i = 0; i < shot.drawn.size(); ++i) {
            const game::ScreenPoint at = Layout::OnScreen(shot.drawn[i]);
            bool covered = false;
            for (std::size_t j = i + 1; j < shot.drawn.size(); ++j) {
                const game::ScreenPoint later = Layout::OnScreen(shot.drawn[j]);
                const int width = shot.drawn[j].width / shot.drawn[j].frames;
                covered = covered || (later.x <= at.x && at.x < later.x + width &&
                                      later.y <= at.y && at.y < later.y + shot.drawn[j].height);
            }
            if (!covered) {
                // The 5-6-5 reduction keeps the high bits of each channel.
                EXPECT_EQ(Rgb(written, at.x, at.y) & 0xF8FCF8u, colours[shot.drawn[i].file])
                    << shot.name << ": " << shot.drawn[i].file;
            }
        }
    }
}

TEST_F(PreviewScreens, LeaderboardRowsAreWrittenInWhiteInTheirColumns) {
    ImageSet images;
    Fill(images, "Graphic/UI/youxijiemian.bmp", 0xFF000000u);
    assetgen::OutputTree preview(dir.string());
    assetgen::WritePreviews(images, {}, preview);
    const formats::DecodedImage menu = Written("menu-leaderboard.png");
    ASSERT_EQ(menu.width, 800);
    // Text of each row lies 12 pixels into the 34-pixel row: white inside the name and the
    // result columns of every row, nothing in the gaps between rows.
    for (int row = 0; row < 10; ++row) {
        const int top = 48 + 135 + 34 * row;
        int name = 0;
        int result = 0;
        int between = 0;
        for (int x = 250 + 40; x < 250 + 240; ++x) {
            for (int y = top; y < top + 34; ++y) {
                const bool white = Rgb(menu, x, y) == 0xFFFFFFu;
                const bool text = y >= top + 12 && y < top + 28;
                name += white && text && x < 250 + 198 ? 1 : 0;
                result += white && text && x >= 250 + 198 ? 1 : 0;
                between += white && !text ? 1 : 0;
            }
        }
        EXPECT_GT(name, 10) << "row " << row;
        EXPECT_GT(result, 3) << "row " << row;
        EXPECT_EQ(between, 0) << "row " << row;
    }
}

TEST(Previews, ContactSheetsKeepEveryPictureOnTheirPage) {
    ImageSet images;
    for (const assetgen::AssetSpec& spec : assetgen::AssetManifest()) {
        if (spec.width > 0 && spec.height > 0) {
            images.Add(spec.path);
        }
    }
    const std::vector<std::string> sheets = assetgen::ContactSheets(images);
    ASSERT_GE(sheets.size(), 2u) << "the whole set does not fit one sheet";
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        formats::DecodedImage sheet;
        ASSERT_TRUE(formats::PngDecoder::Decode(
            reinterpret_cast<const std::uint8_t*>(sheets[i].data()), sheets[i].size(), sheet));
        ASSERT_EQ(sheet.width, 1640);
        // The bottom and right margins hold nothing but the sheet's own grey: no picture runs
        // off the page.
        const std::uint32_t ground = sheet.pixels.back();
        for (int y = sheet.height - 10; y < sheet.height; ++y) {
            for (int x = 0; x < sheet.width; ++x) {
                ASSERT_EQ(sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x], ground)
                    << "sheet " << i + 1 << " at " << x << "," << y;
            }
        }
        for (int y = 0; y < sheet.height; ++y) {
            for (int x = sheet.width - 10; x < sheet.width; ++x) {
                ASSERT_EQ(sheet.pixels[static_cast<std::size_t>(y) * sheet.width + x], ground)
                    << "sheet " << i + 1 << " at " << x << "," << y;
            }
        }
    }
}

} // namespace
