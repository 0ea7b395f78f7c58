#include <gtest/gtest.h>

#include "platform/FrameFit.h"
#include "platform/MessageQueue.h"
#include "platform/WindowPlacement.h"
#include "platform/memory/HeadlessWindow.h"

namespace {

using namespace platform;
using Point = FrameFit::Point;

TEST(FrameFitTest, ZoomedWindowsAreFilledAndOnlyOneAndAHalfIsSmoothed) {
    struct Case {
        int width, height;
        bool whole, smoothed;
    };
    for (const Case c :
         {Case{800, 600, true, false}, Case{1200, 900, false, true}, Case{1600, 1200, true, false},
          Case{2000, 1500, false, false}, Case{2400, 1800, true, false}}) {
        const FrameFit fit(800, 600, c.width, c.height);
        EXPECT_EQ(fit.Target(), (Rect{0, 0, c.width, c.height})) << c.width;
        EXPECT_EQ(fit.WholeScale(), c.whole) << c.width;
        EXPECT_EQ(fit.Smoothed(), c.smoothed) << c.width;
    }
}

TEST(FrameFitTest, OtherShapesAreLetterboxedInTheMiddle) {
    // A 4:3 frame on a wide screen: bands left and right.
    EXPECT_EQ(FrameFit(800, 600, 1920, 1080).Target(), (Rect{240, 0, 1680, 1080}));
    // On a tall one: bands above and below.
    EXPECT_EQ(FrameFit(800, 600, 1000, 1000).Target(), (Rect{0, 125, 1000, 875}));
    // The same shape, larger but not a whole multiple.
    const FrameFit screen(800, 600, 1024, 768);
    EXPECT_EQ(screen.Target(), (Rect{0, 0, 1024, 768}));
    EXPECT_FALSE(screen.WholeScale());
    // Twice the frame with a band: the picture is still twice, so it stays sharp.
    const FrameFit banded(800, 600, 1700, 1200);
    EXPECT_EQ(banded.Target(), (Rect{50, 0, 1650, 1200}));
    EXPECT_TRUE(banded.WholeScale());
}

TEST(FrameFitTest, WindowPointsMapBackToFramePixels) {
    const FrameFit twice(800, 600, 1600, 1200);
    for (const Point p : {Point{0, 0}, Point{1, 1}, Point{426, 470}, Point{799, 599}}) {
        EXPECT_EQ(twice.ToFrame(2 * p.x, 2 * p.y), p);
        EXPECT_EQ(twice.ToFrame(2 * p.x + 1, 2 * p.y + 1), p) << "both halves of a big pixel";
    }
    const FrameFit oneAndAHalf(800, 600, 1200, 900);
    EXPECT_EQ(oneAndAHalf.ToFrame(3, 3), (Point{2, 2}));
    EXPECT_EQ(oneAndAHalf.ToFrame(1199, 899), (Point{799, 599}));
    EXPECT_EQ(oneAndAHalf.ToFrame(1200, 900), (Point{800, 600})) << "just past the edge";
    // Letterboxed: the band left of the picture lies left of the frame.
    const FrameFit wide(800, 600, 1920, 1080);
    EXPECT_EQ(wide.ToFrame(240, 0), (Point{0, 0}));
    EXPECT_EQ(wide.ToFrame(1679, 1079), (Point{799, 599}));
    EXPECT_LT(wide.ToFrame(239, 0).x, 0);
}

TEST(FrameFitTest, PointsOutsideTheWindowStayOutsideTheFrame) {
    const FrameFit twice(800, 600, 1600, 1200);
    EXPECT_EQ(twice.ToFrame(-1, -1), (Point{-1, -1})) << "not rounded onto the first pixel";
    EXPECT_EQ(twice.ToFrame(-4, -3), (Point{-2, -2}));
    EXPECT_EQ(twice.ToFrame(1600, 1200), (Point{800, 600}));
}

TEST(FrameFitTest, NothingToFitMapsPointsToThemselves) {
    for (const FrameFit fit :
         {FrameFit(0, 0, 800, 600), FrameFit(800, 600, 0, 0), FrameFit(800, 600, -5, 600)}) {
        EXPECT_TRUE(fit.Target().IsEmpty());
        EXPECT_FALSE(fit.WholeScale());
        EXPECT_FALSE(fit.Smoothed());
        EXPECT_EQ(fit.ToFrame(123, 45), (Point{123, 45}));
    }
}

TEST(WindowPlacementTest, AResizedWindowKeepsItsCentreAndStaysOnTheDesktop) {
    const Rect usable{0, 0, 2048, 1536};
    // In the middle: grows around its centre.
    EXPECT_EQ(WindowPlacement::Resized({624, 468, 1424, 1068}, 1600, 1200, usable),
              (Rect{224, 168, 1824, 1368}));
    // Near the top-left corner: pushed back in.
    EXPECT_EQ(WindowPlacement::Resized({10, 20, 810, 620}, 1600, 1200, usable),
              (Rect{0, 0, 1600, 1200}));
    // Near the bottom-right corner.
    EXPECT_EQ(WindowPlacement::Resized({1200, 900, 2000, 1500}, 1600, 1200, usable),
              (Rect{448, 336, 2048, 1536}));
    // Larger than the desktop: its top-left corner stays on it.
    EXPECT_EQ(WindowPlacement::Resized({100, 100, 900, 700}, 2400, 1800, usable),
              (Rect{0, 0, 2400, 1800}));
    // A desktop that does not start at 0 (a panel on the left and on top).
    EXPECT_EQ(WindowPlacement::Resized({0, 0, 800, 600}, 1200, 900, {64, 32, 2048, 1536}),
              (Rect{64, 32, 1264, 932}));
    // Shrinking keeps the centre.
    EXPECT_EQ(WindowPlacement::Resized({224, 168, 1824, 1368}, 800, 600, usable),
              (Rect{624, 468, 1424, 1068}));
}

TEST(WindowPlacementTest, CentredInTheArea) {
    EXPECT_EQ(WindowPlacement::CentredIn({0, 0, 1280, 800}, 800, 600), (Rect{240, 100, 1040, 700}));
    EXPECT_EQ(WindowPlacement::CentredIn({100, 0, 1100, 500}, 400, 300),
              (Rect{400, 100, 800, 400}));
}

// The in-memory twins zoom the way the desktop window does.
class MemoryZoomTest : public ::testing::Test {
protected:
    MemoryZoomTest() {
        presenter.screenWidth = 2048;
        presenter.screenHeight = 1536;
        presenter.usableBounds = {0, 0, 2048, 1536};
        presenter.clientBounds = {624, 468, 1424, 1068};
    }

    Event Take() {
        Event event;
        EXPECT_TRUE(queue.TryTake(event));
        return event;
    }

    MessageQueue queue;
    HeadlessWindow window{queue};
    MemoryPresenter& presenter = window.presenter;
};

TEST_F(MemoryZoomTest, ZoomSizesTheWindowAroundItsCentreAndOpenCentresIt) {
    ASSERT_TRUE(presenter.Open(false, 800, 600));
    presenter.SetZoom(200);
    EXPECT_EQ(presenter.Zoom(), 200);
    EXPECT_EQ(presenter.ClientBounds(), (Rect{224, 168, 1824, 1368}));
    presenter.SetZoom(150);
    EXPECT_EQ(presenter.ClientBounds(), (Rect{424, 318, 1624, 1218}));

    // Full screen ignores the zoom, and the window comes back zoomed and centred.
    presenter.clientBounds = {0, 0, 1200, 900};
    ASSERT_TRUE(presenter.Open(true, 800, 600));
    presenter.SetZoom(200);
    EXPECT_EQ(presenter.Fit().Target(), (Rect{0, 0, 2048, 1536}));
    ASSERT_TRUE(presenter.Open(false, 800, 600));
    EXPECT_EQ(presenter.ClientBounds(), (Rect{224, 168, 1824, 1368}));
}

TEST_F(MemoryZoomTest, AClickAtTwiceThePointLandsOnThePointAtTwiceTheSize) {
    ASSERT_TRUE(presenter.Open(false, 800, 600));
    window.PostMouseAt(MouseAction::LeftDown, 852, 940);
    EXPECT_EQ(Take(), Event::Mouse(MouseAction::LeftDown, 852, 940)) << "1x maps 1:1";

    presenter.SetZoom(200);
    window.PostMouseAt(MouseAction::LeftDown, 852, 940);
    window.PostMouseAt(MouseAction::LeftUp, 853, 941);
    EXPECT_EQ(Take(), Event::Mouse(MouseAction::LeftDown, 426, 470));
    EXPECT_EQ(Take(), Event::Mouse(MouseAction::LeftUp, 426, 470));

    presenter.SetZoom(150);
    window.PostMouseAt(MouseAction::Move, 639, 705);
    EXPECT_EQ(Take(), Event::Mouse(MouseAction::Move, 426, 470));
}

} // namespace
