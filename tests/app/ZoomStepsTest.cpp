#include <gtest/gtest.h>

#include <vector>

#include "app/ZoomSteps.h"

namespace {

using app::ZoomSteps;
using platform::Rect;

ZoomSteps On(int width, int height) {
    return ZoomSteps(800, 600, Rect{0, 0, width, height});
}

// Ctrl+Plus from 1x until it stops, then Ctrl+Minus until it stops.
std::vector<int> WalkUpAndDown(const ZoomSteps& steps) {
    std::vector<int> seen{ZoomSteps::kNormal};
    for (int zoom = ZoomSteps::kNormal; steps.Larger(zoom) != zoom;) {
        zoom = steps.Larger(zoom);
        seen.push_back(zoom);
    }
    for (int zoom = seen.back(); steps.Smaller(zoom) != zoom;) {
        zoom = steps.Smaller(zoom);
        seen.push_back(zoom);
    }
    return seen;
}

TEST(ZoomStepsTest, StepsGoByHalvesWhileTheWindowFitsTheDesktop) {
    EXPECT_EQ(WalkUpAndDown(On(2048, 1536)), (std::vector<int>{100, 150, 200, 250, 200, 150, 100}));
    // 1.5x fits a 1920x1080 desktop with a panel; 2x (1200 high) does not.
    EXPECT_EQ(WalkUpAndDown(On(1920, 1040)), (std::vector<int>{100, 150, 100}));
    EXPECT_EQ(WalkUpAndDown(On(3840, 2160)),
              (std::vector<int>{100, 150, 200, 250, 300, 350, 300, 250, 200, 150, 100}));
    // Exactly the window's size fits.
    EXPECT_EQ(On(1600, 1200).Largest(), 200);
    EXPECT_EQ(On(1599, 1200).Largest(), 150);
    EXPECT_EQ(On(1600, 1199).Largest(), 150);
}

TEST(ZoomStepsTest, OneToOneIsAlwaysThereEvenWhereTheFrameDoesNotFit) {
    for (const ZoomSteps& steps : {On(1024, 768), On(800, 600), On(640, 480), On(0, 0)}) {
        EXPECT_EQ(steps.Largest(), 100);
        EXPECT_EQ(steps.Larger(100), 100);
        EXPECT_EQ(steps.Smaller(100), 100);
        EXPECT_EQ(steps.FirstStart(), 100);
    }
}

TEST(ZoomStepsTest, TheFirstStartTakesTheLargestZoomWithinFourFifthsOfTheDesktop) {
    struct Case {
        int width, height, zoom;
    };
    for (const Case c : {Case{1024, 768, 100}, Case{1366, 728, 100}, Case{1920, 1040, 100},
                         Case{2048, 1536, 200}, Case{2560, 1440, 150}, Case{3840, 2160, 250},
                         Case{7680, 4320, 550}, Case{2000, 1500, 200}, Case{1999, 1500, 150}}) {
        EXPECT_EQ(On(c.width, c.height).FirstStart(), c.zoom) << c.width << 'x' << c.height;
    }
}

TEST(ZoomStepsTest, OnlyTheUsableAreaCounts) {
    // A 2048x1536 screen with a 400-pixel dock: 2x no longer fits in four fifths of it.
    const ZoomSteps steps(800, 600, Rect{400, 0, 2048, 1536});
    EXPECT_EQ(steps.Largest(), 200);
    EXPECT_EQ(steps.FirstStart(), 150);
}

TEST(ZoomStepsTest, SavedZoomsAreKeptLoweredOrReplacedByTheFirstStartPick) {
    const ZoomSteps steps = On(2048, 1536); // largest 250, first start 200
    EXPECT_EQ(steps.FromSaved(100), 100);
    EXPECT_EQ(steps.FromSaved(150), 150);
    EXPECT_EQ(steps.FromSaved(250), 250);
    EXPECT_EQ(steps.FromSaved(300), 250) << "a zoom from a larger desktop is lowered";
    EXPECT_EQ(steps.FromSaved(9950), 250);
    for (const int damaged : {0, -150, 50, 99, 137, 175 + 1, 9999, -2147483647 - 1}) {
        EXPECT_EQ(steps.FromSaved(damaged), 200) << damaged;
    }
}

TEST(ZoomStepsTest, ZoomsBetweenOrPastTheStepsMoveToAStep) {
    const ZoomSteps steps = On(2048, 1536);
    EXPECT_EQ(steps.Larger(137), 150);
    EXPECT_EQ(steps.Smaller(137), 100);
    EXPECT_EQ(steps.Larger(40), 100);
    EXPECT_EQ(steps.Smaller(40), 100);
    EXPECT_EQ(steps.Larger(400), 400) << "Ctrl+Plus never shrinks the window";
    EXPECT_EQ(steps.Smaller(400), 250);
}

} // namespace
