#pragma once

#include <chrono>

#include "scene/Element.h"

namespace app {

// Decides whether the main loop draws a frame or sleeps. The scene reports its changes here, and
// a frame is due from a change until one is drawn. Changes reported while a frame is drawn are
// the drawing's own (a digit strip moved to each place it is stamped at) and are dropped; an
// element that asks for the next frame while it is drawn keeps one due.
class RedrawTracker {
public:
    // The loop's sleep with no frame due: only a posted message (timer firings and sound ends
    // among them) or a desktop event ends it, so a still screen wakes nothing.
    static constexpr std::chrono::milliseconds kUntilEvent = std::chrono::milliseconds::max();

    void Report(scene::SceneChange change);
    // Something outside the scene changed what the screen must show (a new display, a window
    // shown again or given back its focus): the next frame is drawn.
    void Invalidate() { due = true; }

    // Around the drawing of a frame.
    void BeginFrame();
    void EndFrame();

    bool FrameDue() const { return due; }
    // How long the loop may wait for events: 0 while a frame is due.
    std::chrono::milliseconds SleepTime() const;

private:
    // The first frame is always drawn.
    bool due = true;
    bool drawing = false;
    bool nextFrameWanted = false;
};

} // namespace app
