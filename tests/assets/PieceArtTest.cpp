// The piece portraits, selection frames, buttons, level labels, marks, icon and cursor, painted
// directly and checked where a mistake would show in the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "Painters.h"
#include "Theme.h"
#include "buttons/ButtonArt.h"
#include "buttons/ButtonArtFace.h"
#include "buttons/ButtonArtLabel.h"
#include "buttons/LevelLabelArt.h"
#include "encode/BmpWriter.h"
#include "formats/CursorFile.h"
#include "marks/CursorArt.h"
#include "marks/MarkArt.h"
#include "pieces/PieceArt.h"
#include "pieces/PieceArtCard.h"
#include "pieces/PieceArtEmblem.h"
#include "pieces/PieceArtGlow.h"
#include "pieces/PieceArtGrain.h"
#include "pieces/PieceArtShapes.h"

using namespace puzzle;

namespace {

using namespace assetgen;

constexpr std::uint32_t kKey = BmpWriter::kKey;

struct Box {
    int left = 0;
    int top = 0;
    int right = -1; // inclusive; right < left when empty
    int bottom = -1;

    bool Empty() const { return right < left; }
};

std::uint32_t At(const std::vector<std::uint32_t>& pixels, int width, int x, int y) {
    return pixels[static_cast<std::size_t>(y) * width + x];
}

int Luma(std::uint32_t rgb) {
    return (((rgb >> 16) & 0xFF) * 30 + ((rgb >> 8) & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100;
}

// The pixels as the game stores a keyed image: key or opaque colour.
std::vector<std::uint32_t> Keyed(const Canvas& canvas) {
    return BmpWriter::Flatten(canvas.Pixels(), Transparency::Keyed);
}

// The smallest box holding every pixel where the two canvases differ.
Box Differences(const Canvas& a, const Canvas& b) {
    const std::vector<std::uint32_t> pa = a.Pixels();
    const std::vector<std::uint32_t> pb = b.Pixels();
    Box box{a.Width(), a.Height(), -1, -1};
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (At(pa, a.Width(), x, y) != At(pb, b.Width(), x, y)) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

// One frame of a strip as its own canvas.
std::unique_ptr<Canvas> Frame(const Canvas& strip, int frames, int index) {
    const int width = strip.Width() / frames;
    auto frame = std::make_unique<Canvas>(width, strip.Height());
    frame->DrawPart(strip, index * width, 0, width, strip.Height(), 0, 0);
    return frame;
}

void ExpectInside(const Box& words, int width, int height, int margin, const std::string& what) {
    ASSERT_FALSE(words.Empty()) << what << ": nothing written";
    EXPECT_GE(words.left, margin) << what;
    EXPECT_GE(words.top, margin) << what;
    EXPECT_LT(words.right, width - margin) << what;
    EXPECT_LT(words.bottom, height - margin) << what;
}

// The raw premultiplied words of a Cairo surface, as the grain works on them.
std::vector<std::uint32_t> Raw(const Canvas& canvas) {
    cairo_surface_flush(canvas.Surface());
    const unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    std::vector<std::uint32_t> words;
    for (int y = 0; y < canvas.Height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        words.insert(words.end(), row, row + canvas.Width());
    }
    return words;
}

// The box of every pixel drawn at all.
Box Drawn(const Canvas& canvas) {
    Canvas empty(canvas.Width(), canvas.Height());
    return Differences(canvas, empty);
}

TEST(PieceArt, PortraitsFillTheirCellsWithADarkEdgeAndCutCorners) {
    ImageSet images;
    PaintPieces(images);
    for (const General& general : PieceArt::Roster()) {
        const std::string path = std::string("Graphic/UI/") + general.file + ".bmp";
        const Canvas* canvas = images.Find(path);
        ASSERT_NE(canvas, nullptr) << path;
        const int w = canvas->Width();
        const int h = canvas->Height();
        const std::vector<std::uint32_t> pixels = Keyed(*canvas);
        // The wood shows through the rounded corners only.
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
            EXPECT_EQ(At(pixels, w, x, y), kKey) << path << " corner " << x << "," << y;
        }
        EXPECT_LE(std::count(pixels.begin(), pixels.end(), kKey), 4 * 6) << path;
        // The margin that parts neighbouring blocks, in the middle of every side.
        for (const auto& [x, y] :
             {std::pair{0, h / 2}, {w - 1, h / 2}, {w / 2, 0}, {w / 2, h - 1}}) {
            const std::uint32_t edge = At(pixels, w, x, y);
            EXPECT_NE(edge, kKey) << path;
            EXPECT_LT(Luma(edge), 60) << path << " edge " << x << "," << y;
        }
    }
}

TEST(PieceArt, EveryGeneralLooksDifferentAndPaintingRepeatsExactly) {
    ImageSet first;
    ImageSet second;
    PaintPieces(first);
    PaintPieces(second);
    std::vector<std::vector<std::uint32_t>> seen;
    for (const General& general : PieceArt::Roster()) {
        const std::string path = std::string("Graphic/UI/") + general.file + ".bmp";
        const std::vector<std::uint32_t> pixels = first.Find(path)->Pixels();
        EXPECT_EQ(pixels, second.Find(path)->Pixels()) << path << " differs between runs";
        EXPECT_EQ(std::find(seen.begin(), seen.end(), pixels), seen.end()) << path;
        seen.push_back(pixels);
    }
}

TEST(PieceArt, SelectionFramesGlowAtTheEdgeAndLeaveTheCardVisible) {
    ImageSet images;
    PaintPieces(images);
    for (const char* path : PieceArt::FramePaths()) {
        const Canvas* canvas = images.Find(path);
        ASSERT_NE(canvas, nullptr) << path;
        const int w = canvas->Width();
        const int h = canvas->Height();
        const std::vector<std::uint32_t> pixels = canvas->Pixels();
        auto alpha = [&](int x, int y) { return At(pixels, w, x, y) >> 24; };
        EXPECT_EQ(alpha(0, 0), 0u) << path << " rounded corner";
        EXPECT_EQ(alpha(w / 2, h / 2), 0u) << path << " centre";
        EXPECT_EQ(alpha(2, h / 2), 255u) << path << " left border";
        EXPECT_EQ(alpha(w / 2, h - 3), 255u) << path << " bottom border";
        // The glow fades steadily inwards and is gone before the name.
        for (int x = 6; x < static_cast<int>(PieceArtGlow::kReach) + 2; ++x) {
            EXPECT_GE(alpha(x, h / 2), alpha(x + 1, h / 2)) << path << " at x " << x;
        }
        EXPECT_EQ(alpha(static_cast<int>(PieceArtGlow::kReach) + 1, h / 2), 0u) << path;
    }
}

TEST(PieceArtShapes, CrispFillsHaveNoSoftEdge) {
    Canvas canvas(40, 30);
    PieceArtShapes::FillCrisp(canvas.Cr(), {2.3, 1.7, 33.4, 25.1}, 6, theme::kWood);
    int opaque = 0;
    for (const std::uint32_t p : canvas.Pixels()) {
        const std::uint32_t alpha = p >> 24;
        ASSERT_TRUE(alpha == 0 || alpha == 255) << std::hex << p;
        opaque += alpha == 255 ? 1 : 0;
    }
    EXPECT_GT(opaque, 30 * 22);
}

TEST(PieceArtShapes, GoldBandLeavesTheFieldInsideUntouched) {
    Canvas canvas(60, 40);
    const ArtRect outer{0, 0, 60, 40};
    PieceArtShapes::GoldBand(canvas.Cr(), outer, 4, 3);
    const Box drawn = Drawn(canvas);
    EXPECT_EQ(drawn.left, 0);
    EXPECT_EQ(drawn.bottom, 39);
    // Only the band and its inner hairline: nothing further in than four pixels.
    const std::vector<std::uint32_t> pixels = canvas.Pixels();
    for (int y = 4; y < 36; ++y) {
        for (int x = 4; x < 56; ++x) {
            ASSERT_EQ(At(pixels, 60, x, y), 0u) << x << "," << y;
        }
    }
}

TEST(PieceArtGrain, KeepsSurfacesValidAndOnlyTouchesItsRectangle) {
    Canvas canvas(32, 16);
    cairo_t* cr = canvas.Cr();
    cairo_set_source_rgba(cr, 0.95, 0.9, 0.1, 0.5); // near the top of a half-covered pixel
    cairo_rectangle(cr, 0, 0, 16, 16);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0.05, 0.05, 0.05, 1);
    cairo_rectangle(cr, 16, 0, 8, 16);
    cairo_fill(cr);
    const std::vector<std::uint32_t> before = Raw(canvas);

    PieceArtGrain grain(7);
    grain.Apply(canvas.Surface(), 0, 0, 24, 40, 0.2, 0.2); // runs off the bottom: clipped
    const std::vector<std::uint32_t> after = Raw(canvas);
    int changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const std::uint32_t p = after[i];
        const std::uint32_t alpha = p >> 24;
        ASSERT_EQ(alpha, before[i] >> 24) << i;
        // Premultiplied colour never exceeds its alpha.
        ASSERT_LE((p >> 16) & 0xFF, alpha) << i;
        ASSERT_LE((p >> 8) & 0xFF, alpha) << i;
        ASSERT_LE(p & 0xFF, alpha) << i;
        changed += p != before[i] ? 1 : 0;
        if (static_cast<int>(i % 32) >= 24) {
            ASSERT_EQ(p, before[i]) << "outside the rectangle at " << i;
        }
    }
    EXPECT_GT(changed, 200);

    // The same seed gives the same grain, another seed another.
    auto grained = [&canvas](std::uint32_t seed) {
        Canvas copy(canvas.Width(), canvas.Height());
        copy.SetPixels(canvas.Pixels());
        PieceArtGrain(seed).Apply(copy.Surface(), 0, 0, 16, 16, 0.1);
        return Raw(copy);
    };
    EXPECT_EQ(grained(7), grained(7));
    EXPECT_NE(grained(7), grained(8));
}

TEST(PieceArtEmblem, EveryMotifFillsItsBoxWithoutSpillingAtAnyAngle) {
    constexpr double kPi = std::numbers::pi;
    const ArtRect box{10, 12, 90, 170};
    for (int e = 0; e <= static_cast<int>(Emblem::CrossedSpears); ++e) {
        const auto emblem = static_cast<Emblem>(e);
        for (const double angle : {0.0, 0.16, kPi / 4, kPi / 2 - 0.12}) {
            Canvas canvas(110, 194);
            PieceArtEmblem::Paint(canvas.Cr(), emblem, box, angle, theme::kGold, 1);
            const Box drawn = Drawn(canvas);
            const std::string what = "emblem " + std::to_string(e) + " at " + std::to_string(angle);
            ASSERT_FALSE(drawn.Empty()) << what;
            EXPECT_GE(drawn.left, 9) << what;
            EXPECT_GE(drawn.top, 11) << what;
            EXPECT_LE(drawn.right, 100) << what;
            EXPECT_LE(drawn.bottom, 182) << what;
            // Scaled up until it meets two sides of the box.
            const bool fillsWidth = drawn.left <= 12 && drawn.right >= 98;
            const bool fillsHeight = drawn.top <= 14 && drawn.bottom >= 180;
            EXPECT_TRUE(fillsWidth || fillsHeight) << what;
        }
    }
}

TEST(PieceArtGlow, DepthFollowsTheRoundedOutline) {
    const double w = 98;
    const double h = 94;
    EXPECT_DOUBLE_EQ(PieceArtGlow::DepthInside(0.5, 47, w, h), 0.5);
    EXPECT_DOUBLE_EQ(PieceArtGlow::DepthInside(49, 93.5, w, h), 0.5);
    EXPECT_DOUBLE_EQ(PieceArtGlow::DepthInside(49, 47, w, h), 47);
    // The very corner lies outside the rounding, the same at all four corners.
    const double corner = PieceArtGlow::DepthInside(0.5, 0.5, w, h);
    EXPECT_LT(corner, 0);
    EXPECT_DOUBLE_EQ(PieceArtGlow::DepthInside(w - 0.5, h - 0.5, w, h), corner);
    EXPECT_DOUBLE_EQ(PieceArtGlow::DepthInside(w - 0.5, 0.5, w, h), corner);
    // Along the rounding the depth is the distance to the arc.
    const double r = PieceArtGlow::kCornerRadius;
    EXPECT_NEAR(PieceArtGlow::DepthInside(r - 3 / std::sqrt(2.0), r - 3 / std::sqrt(2.0), w, h),
                r - 3, 1e-9);
}

TEST(ButtonArtLabel, FitShrinksToTheRoomButNotBelowTheFloor) {
    Canvas canvas(10, 10);
    TextStyle style;
    style.family = kCalligraphy;
    style.sizePx = 24;
    const double wide = MeasureText(canvas.Cr(), style, "回主菜单").width;
    EXPECT_DOUBLE_EQ(ButtonArtLabel::Fit(canvas.Cr(), style, "回主菜单", wide + 1, 10).sizePx, 24);
    const TextStyle fitted = ButtonArtLabel::Fit(canvas.Cr(), style, "回主菜单", wide * 0.7, 10);
    EXPECT_LT(fitted.sizePx, 24);
    EXPECT_LE(MeasureText(canvas.Cr(), fitted, "回主菜单").width, wide * 0.7);
    EXPECT_DOUBLE_EQ(ButtonArtLabel::Fit(canvas.Cr(), style, "回主菜单", 5, 10).sizePx, 10);
}

TEST(PieceArtCard, NamesStayInsideTheGiltFrame) {
    for (const General& general : PieceArt::Roster()) {
        const AssetSpec* spec = FindAsset(std::string("Graphic/UI/") + general.file + ".bmp");
        ASSERT_NE(spec, nullptr) << general.file;
        const General nameless{general.file, "", general.faction, general.mark, general.emblem};
        Canvas named(spec->width, spec->height);
        Canvas bare(spec->width, spec->height);
        PieceArtCard(named, general).Paint();
        PieceArtCard(bare, nameless).Paint();
        // Inside the dark margin and a gilt band of at least three pixels.
        ExpectInside(Differences(named, bare), spec->width, spec->height, 4, general.file);
    }
}

TEST(ButtonArt, LabelsStayInsideTheRimOfEveryButton) {
    for (const ButtonArt::Labelled& button : ButtonArt::LabelledButtons()) {
        const AssetSpec* spec = FindAsset(button.path);
        ASSERT_NE(spec, nullptr) << button.path;
        const int w = spec->width / spec->frames;
        const int h = spec->height;
        Canvas labelled(w, h);
        Canvas plain(w, h);
        ButtonArtFace(button.style, button.chinese, button.english)(labelled.Cr(), w, h);
        ButtonArtFace(button.style, "", nullptr)(plain.Cr(), w, h);
        ExpectInside(Differences(labelled, plain), w, h, 3, button.path);
    }
}

TEST(ButtonArt, EveryStripIsPaintedWithKeyedCornersAndAHoverFrame) {
    ImageSet images;
    PaintButtons(images);
    std::vector<std::string> paths = {ButtonArt::kStartPath};
    for (const ButtonArt::Labelled& button : ButtonArt::LabelledButtons()) {
        paths.push_back(button.path);
    }
    for (const ButtonArt::Signed& button : ButtonArt::SignedButtons()) {
        paths.push_back(button.path);
    }
    for (const std::string& path : paths) {
        const Canvas* strip = images.Find(path);
        ASSERT_NE(strip, nullptr) << path;
        const std::unique_ptr<Canvas> normal = Frame(*strip, 5, 0);
        const std::unique_ptr<Canvas> hover = Frame(*strip, 5, 1);
        const std::vector<std::uint32_t> pixels = Keyed(*normal);
        const int w = normal->Width();
        const int h = normal->Height();
        // Rounded plates cut all four corners, the small arrows the two at their point.
        int cut = 0;
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
            cut += At(pixels, w, x, y) == kKey ? 1 : 0;
        }
        EXPECT_GE(cut, 2) << path;
        EXPECT_NE(At(pixels, w, w / 2, h / 2), kKey) << path;
        EXPECT_FALSE(Differences(*normal, *hover).Empty()) << path;
    }
}

TEST(LevelLabelArt, TitlesAndNamesFitTheirFramesAtTheLongest) {
    const LevelLabelArt art;
    // Level names have at most four characters, and every Chinese character is as wide.
    const std::string name = "凯旋而归";
    EXPECT_GE(art.NameSize(name), LevelLabelArt::kMinimumNameSize);

    ImageSet images;
    Levels levels(1);
    levels[0].number = LevelLabelArt::kLevelCount;
    levels[0].name = name;
    art.Paint(images, levels);
    const std::string last = std::to_string(LevelLabelArt::kLevelCount);
    const Canvas* tag = images.Find("Graphic/Board/s" + last + ".bmp");
    ASSERT_NE(tag, nullptr);
    ExpectInside(Differences(*tag, art.PlainTag()), tag->Width(), tag->Height(), 1, "name tag");
    for (const int level : {1, 88, LevelLabelArt::kLevelCount}) {
        const std::string path = "Graphic/Board/" + std::to_string(level) + ".bmp";
        const Canvas* strip = images.Find(path);
        ASSERT_NE(strip, nullptr) << path;
        const std::unique_ptr<Canvas> normal = Frame(*strip, 5, 0);
        ExpectInside(Differences(*normal, art.PlainButton()), normal->Width(), normal->Height(), 3,
                     path);
    }
}

TEST(LevelLabelArt, EveryLevelGetsAPictureWhateverTheSetHolds) {
    // A set shorter than the list, with numbers out of range: nothing is skipped or overrun.
    Levels levels(3);
    levels[0].number = 1;
    levels[0].name = "初出茅庐";
    levels[1].number = 0;
    levels[1].name = "无";
    levels[2].number = LevelLabelArt::kLevelCount + 1;
    levels[2].name = "越界";
    ImageSet images;
    PaintLevelLabels(images, levels);
    for (int n = 1; n <= LevelLabelArt::kLevelCount; ++n) {
        EXPECT_NE(images.Find("Graphic/Board/" + std::to_string(n) + ".bmp"), nullptr) << n;
        EXPECT_NE(images.Find("Graphic/Board/s" + std::to_string(n) + ".bmp"), nullptr) << n;
    }
    const LevelLabelArt art;
    EXPECT_FALSE(Differences(*images.Find("Graphic/Board/s1.bmp"), art.PlainTag()).Empty());
    EXPECT_TRUE(Differences(*images.Find("Graphic/Board/s2.bmp"), art.PlainTag()).Empty());
}

TEST(MarkArt, StepDigitsAreTenDistinctBrightGlyphs) {
    ImageSet images;
    PaintMarks(images);
    const Canvas* strip = images.Find("Graphic/UI/sfx_zi.bmp");
    ASSERT_NE(strip, nullptr);
    const std::vector<std::uint32_t> pixels = Keyed(*strip);
    std::vector<std::vector<std::uint32_t>> digits;
    for (int digit = 0; digit < 10; ++digit) {
        std::vector<std::uint32_t> cell;
        int bright = 0;
        for (int y = 0; y < strip->Height(); ++y) {
            for (int x = 0; x < MarkArt::kDigitWidth; ++x) {
                const std::uint32_t p =
                    At(pixels, strip->Width(), digit * MarkArt::kDigitWidth + x, y);
                cell.push_back(p);
                bright += p != kKey && Luma(p) > 180 ? 1 : 0;
            }
        }
        EXPECT_GE(bright, 8) << "digit " << digit;
        EXPECT_EQ(std::find(digits.begin(), digits.end(), cell), digits.end()) << "digit " << digit;
        digits.push_back(cell);
    }
}

TEST(MarkArt, IconIsOpaqueAndKnobIsRound) {
    ImageSet images;
    PaintMarks(images);
    const Canvas* icon = images.Find("tpz.bmp");
    ASSERT_NE(icon, nullptr);
    // An opaque picture is laid on black: any transparency would show as dark specks.
    for (const std::uint32_t p : icon->Pixels()) {
        ASSERT_EQ(p >> 24, 255u);
    }
    const Canvas* knob = images.Find("Graphic/UI/drag.bmp");
    ASSERT_NE(knob, nullptr);
    const std::vector<std::uint32_t> pixels = Keyed(*knob);
    const int w = knob->Width();
    EXPECT_EQ(At(pixels, w, 0, 0), kKey);
    EXPECT_EQ(At(pixels, w, w - 1, w - 1), kKey);
    EXPECT_NE(At(pixels, w, w / 2, w / 2), kKey);
    EXPECT_NE(At(pixels, w, 1, w / 2), kKey);
}

TEST(CursorArt, FileReadsBackAsPaintedWithTheHotspotOnTheTip) {
    const std::string bytes = MakeCursorFile();
    formats::CursorImage image;
    ASSERT_TRUE(formats::CursorFile::Parse(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           bytes.size(), image));
    EXPECT_EQ(image.width, CursorArt::kSize);
    EXPECT_EQ(image.height, CursorArt::kSize);
    EXPECT_EQ(image.hotspotX, CursorArt::kHotspotX);
    EXPECT_EQ(image.hotspotY, CursorArt::kHotspotY);

    Canvas painted(CursorArt::kSize, CursorArt::kSize);
    CursorArt::Paint(painted);
    EXPECT_EQ(image.pixels, painted.Pixels()) << "rows or channels out of order";

    // The hotspot is the point of the brush: opaque ink there, only the thin edge beyond it.
    const std::uint32_t tip = At(image.pixels, image.width, image.hotspotX, image.hotspotY);
    EXPECT_EQ(tip >> 24, 255u);
    EXPECT_LT(Luma(tip & 0xFFFFFF), 128);
    EXPECT_EQ(At(image.pixels, image.width, image.hotspotX - 2, image.hotspotY - 2) >> 24, 0u);
    EXPECT_EQ(At(image.pixels, image.width, CursorArt::kSize - 1, 0) >> 24, 0u);
    EXPECT_EQ(At(image.pixels, image.width, 0, CursorArt::kSize - 1) >> 24, 0u);
}

TEST(CursorArt, MaskMarksExactlyTheTransparentPixelsBottomUp) {
    // Readers that ignore the alpha bytes go by the mask; it must agree with the picture.
    constexpr int kSize = CursorArt::kSize;
    std::vector<std::uint32_t> pixels(kSize * kSize, 0);
    pixels[5 * kSize + 3] = 0xFF123456;
    const std::string bytes = CursorArt::Encode(pixels, 3, 5);
    constexpr std::size_t kMaskOffset = 6 + 16 + 40 + kSize * kSize * 4;
    constexpr std::size_t kMaskStride = 4;
    ASSERT_EQ(bytes.size(), kMaskOffset + kMaskStride * kSize);
    for (int y = 0; y < kSize; ++y) {
        const std::size_t row = kMaskOffset + static_cast<std::size_t>(kSize - 1 - y) * kMaskStride;
        for (int x = 0; x < kSize; ++x) {
            const auto byte =
                static_cast<unsigned char>(bytes[row + static_cast<std::size_t>(x / 8)]);
            const bool transparent = (byte >> (7 - x % 8)) & 1;
            ASSERT_EQ(transparent, !(x == 3 && y == 5)) << x << "," << y;
        }
    }
}

TEST(CursorArt, EncodeRefusesAPictureOfTheWrongSize) {
    EXPECT_TRUE(CursorArt::Encode(std::vector<std::uint32_t>(10), 0, 0).empty());
}

} // namespace
