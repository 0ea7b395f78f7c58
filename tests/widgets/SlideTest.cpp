#include <gtest/gtest.h>

#include <utility>

#include "platform/Clock.h"
#include "scene/Element.h"
#include "widgets/Slide.h"

namespace {

using scene::Element;
using widgets::Slide;

std::pair<int, int> At(const Element& element) {
    return {element.x, element.y};
}

class SlideTest : public testing::Test {
protected:
    SlideTest() {
        clock.now = 5000;
        piece.SetSize(98, 94);
        piece.SetPosition(100, 40);
    }

    platform::ManualClock clock;
    Slide slide{clock};
    Element piece;
};

TEST_F(SlideTest, EaseOutCoversMostOfTheWayEarlyAndEndsExactly) {
    EXPECT_DOUBLE_EQ(Slide::EaseOutCubic(0), 0);
    EXPECT_DOUBLE_EQ(Slide::EaseOutCubic(0.5), 0.875);
    EXPECT_DOUBLE_EQ(Slide::EaseOutCubic(1), 1);
    EXPECT_DOUBLE_EQ(Slide::EaseOutCubic(-3), 0) << "clamped";
    EXPECT_DOUBLE_EQ(Slide::EaseOutCubic(7), 1) << "clamped";
    double last = 0;
    for (int i = 1; i <= 10; ++i) {
        const double share = Slide::EaseOutCubic(i / 10.0);
        EXPECT_GT(share, last) << "never stands still or goes back";
        EXPECT_LT(share - last, 0.3) << "no jump";
        last = share;
    }
}

TEST_F(SlideTest, TheElementMovesWithTheClockAndStopsOnItsTarget) {
    slide.Start(piece, 198, 40, 90);
    EXPECT_TRUE(slide.Running());
    EXPECT_EQ(At(piece), std::make_pair(100, 40)) << "nothing moves before a step";
    EXPECT_TRUE(slide.Step());
    EXPECT_EQ(At(piece), std::make_pair(100, 40)) << "no time has passed";

    clock.Advance(45);
    EXPECT_TRUE(slide.Step());
    EXPECT_EQ(At(piece), std::make_pair(186, 40)) << "half the time, seven eighths of the way";
    clock.Advance(44);
    EXPECT_TRUE(slide.Step());
    EXPECT_EQ(piece.x, 198) << "rounded within the last pixel";
    clock.Advance(1);
    EXPECT_FALSE(slide.Step()) << "arrived";
    EXPECT_FALSE(slide.Running());
    EXPECT_EQ(At(piece), std::make_pair(198, 40));
    clock.Advance(500);
    EXPECT_FALSE(slide.Step());
    EXPECT_EQ(At(piece), std::make_pair(198, 40));
}

TEST_F(SlideTest, UpwardSlidesMoveBackAlongTheAxis) {
    slide.Start(piece, 100, -54, 90);
    clock.Advance(45);
    slide.Step();
    EXPECT_EQ(At(piece), std::make_pair(100, 40 - 82)) << "94 * 7 / 8 rounded";
}

TEST_F(SlideTest, FinishPlacesAtOnceAndAStartFinishesTheSlideBefore) {
    slide.Start(piece, 198, 40, 90);
    clock.Advance(10);
    slide.Step();
    EXPECT_TRUE(slide.Finish());
    EXPECT_EQ(At(piece), std::make_pair(198, 40));
    EXPECT_FALSE(slide.Finish()) << "nothing under way";

    Element other;
    other.SetPosition(0, 0);
    slide.Start(piece, 198, 134, 90);
    slide.Start(other, 98, 0, 90);
    EXPECT_EQ(At(piece), std::make_pair(198, 134)) << "the first slide ended where it was going";
    clock.Advance(90);
    EXPECT_FALSE(slide.Step());
    EXPECT_EQ(At(other), std::make_pair(98, 0));
}

TEST_F(SlideTest, NoTimeMeansNoSlideAndADroppedSlideLeavesTheElement) {
    slide.Start(piece, 198, 40, 0);
    EXPECT_FALSE(slide.Running());
    EXPECT_EQ(At(piece), std::make_pair(198, 40));

    slide.Start(piece, 296, 40, 90);
    clock.Advance(45);
    slide.Step();
    slide.Drop();
    EXPECT_FALSE(slide.Running());
    clock.Advance(45);
    EXPECT_FALSE(slide.Step());
    EXPECT_FALSE(slide.Finish());
    EXPECT_EQ(At(piece), std::make_pair(284, 40)) << "left where it was dropped";
}

TEST_F(SlideTest, AClockThatWrapsAroundStillEndsTheSlide) {
    clock.now = 0xFFFFFFF0u;
    slide.Start(piece, 198, 40, 90);
    clock.Advance(0x20);
    EXPECT_TRUE(slide.Step()) << "32 ms in";
    clock.Advance(60);
    EXPECT_FALSE(slide.Step());
    EXPECT_EQ(At(piece), std::make_pair(198, 40));
}

} // namespace
