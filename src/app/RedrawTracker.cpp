#include "app/RedrawTracker.h"

namespace app {

void RedrawTracker::Report(scene::SceneChange change) {
    if (!drawing) {
        due = true;
    } else if (change == scene::SceneChange::NextFrameWanted) {
        nextFrameWanted = true;
    }
}

void RedrawTracker::BeginFrame() {
    drawing = true;
    nextFrameWanted = false;
}

void RedrawTracker::EndFrame() {
    drawing = false;
    due = nextFrameWanted;
    nextFrameWanted = false;
}

std::chrono::milliseconds RedrawTracker::SleepTime() const {
    return due ? std::chrono::milliseconds{0} : kUntilEvent;
}

} // namespace app
