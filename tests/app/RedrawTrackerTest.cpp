#include <gtest/gtest.h>

#include "app/RedrawTracker.h"

using app::RedrawTracker;
using scene::SceneChange;

namespace {

// A tracker whose first frame has been drawn.
RedrawTracker Settled() {
    RedrawTracker tracker;
    tracker.BeginFrame();
    tracker.EndFrame();
    return tracker;
}

TEST(RedrawTrackerTest, TheFirstFrameIsDueAndThenOnlyAfterAChange) {
    RedrawTracker tracker;
    EXPECT_TRUE(tracker.FrameDue());
    EXPECT_EQ(tracker.SleepTime().count(), 0);
    tracker = Settled();
    EXPECT_FALSE(tracker.FrameDue());
    EXPECT_EQ(tracker.SleepTime(), RedrawTracker::kUntilEvent);

    for (const SceneChange change : {SceneChange::Changed, SceneChange::NextFrameWanted}) {
        tracker = Settled();
        tracker.Report(change);
        EXPECT_TRUE(tracker.FrameDue()) << "reported between frames";
    }
    tracker = Settled();
    tracker.Invalidate();
    EXPECT_TRUE(tracker.FrameDue());
}

TEST(RedrawTrackerTest, ChangesWhileDrawingAreDroppedButAWishKeepsTheNextFrameDue) {
    RedrawTracker tracker = Settled();
    tracker.Report(SceneChange::Changed);
    tracker.BeginFrame();
    tracker.Report(SceneChange::Changed);
    tracker.EndFrame();
    EXPECT_FALSE(tracker.FrameDue()) << "the drawing's own changes";

    tracker.BeginFrame();
    tracker.Report(SceneChange::NextFrameWanted);
    tracker.Report(SceneChange::Changed);
    tracker.EndFrame();
    EXPECT_TRUE(tracker.FrameDue());
    tracker.BeginFrame();
    tracker.EndFrame();
    EXPECT_FALSE(tracker.FrameDue()) << "a wish lasts one frame";
}

} // namespace
