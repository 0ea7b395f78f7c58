#pragma once

#include <string>
#include <string_view>

#include "scene/Picture.h"
#include "widgets/AnimationSpec.h"

namespace app {
class Timers;
}

namespace widgets {

// A picture that steps through the frames of its strip at each firing of its own timer, for a
// number of cycles or without end, and hides itself when its cycles are done. It is made hidden;
// Start shows it. Firings reach it on the main thread, so it takes no lock.
class AnimatedPicture : public scene::Picture {
public:
    // The picture's timer runs on `timers`, which must outlive the picture.
    explicit AnimatedPicture(app::Timers& timers);
    // Stops the picture's timer.
    ~AnimatedPicture() override;

    // Loads the strip with timing.frameCount frames and takes the timing, whose animFrame becomes
    // the rest frame. Nothing unless stripWidth, height and timing.frameCount are all non-zero.
    // Returns LoadImage's result, or 0 when nothing was loaded.
    int Load(gfx::Display& display, std::string_view path, int x, int y, int stripWidth, int height,
             const AnimationSpec& timing);
    // Stops the timer and goes back to the rest frame, ready to run again; visibility stays.
    void Reset();
    // Stores the period and, when it is not 0, starts the timer named after the event, whose
    // firings advance the picture: one per frame of every cycle, or without end for endless
    // animations.
    void SetPeriod(int ms);
    // Runs from the rest frame, visible, with the cycle count at 0.
    void Start();
    // Pauses or resumes the timer while the picture cannot be seen, so an unseen animation wakes
    // nothing. The frame shown stays, and a counted animation keeps the firings it had left.
    void SetRunning(bool running);
    // Shows the next frame; arriving at frame 1 ends a cycle, and the last cycle hides the
    // picture and makes it ignore further firings.
    void Advance();

    int finished = 0;
    AnimationSpec animation;
    int restFrame = 0;

private:
    void StopTimer() const;
    // Starts the timer for the firings the animation has left.
    void StartTimer();

    int fired = 0; // firings since the start
    bool paused = false;
    app::Timers& timers;
};

} // namespace widgets
