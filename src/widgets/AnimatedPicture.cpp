#include "widgets/AnimatedPicture.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/Timers.h"

namespace widgets {

AnimatedPicture::AnimatedPicture(app::Timers& timers) : timers(timers) {
    visible = 0;
}

AnimatedPicture::~AnimatedPicture() {
    StopTimer();
}

void AnimatedPicture::StopTimer() const {
    // Before the timers are running there is nothing to stop.
    timers.KillTimer(animation.eventName);
}

int AnimatedPicture::Load(gfx::Display& display, std::string_view path, int newX, int newY,
                          int stripWidth, int stripHeight, const AnimationSpec& timing) {
    if (stripWidth == 0 || stripHeight == 0 || timing.frameCount == 0) {
        return 0;
    }
    const int loaded =
        LoadImage(display, path, newX, newY, stripWidth, stripHeight, timing.frameCount);
    // A negative result is a refused colour key: a failure like 0.
    if (loaded > 0) {
        animation = timing;
        restFrame = timing.animFrame;
    }
    return loaded;
}

void AnimatedPicture::Reset() {
    StopTimer();
    fired = 0;
    SetFrame(restFrame);
    finished = 0;
    animation.animFrame = static_cast<std::uint16_t>(restFrame);
}

void AnimatedPicture::SetPeriod(int ms) {
    animation.period = ms;
    if (ms != 0 && !paused) {
        StartTimer();
    }
}

void AnimatedPicture::StartTimer() {
    // Widened and capped so that a huge repeat count cannot overflow; 0 stays endless.
    const std::int64_t firings = std::int64_t{animation.frameCount} * animation.repeatCount;
    const std::int64_t left = firings > 0 ? std::max<std::int64_t>(firings - fired, 1) : firings;
    const auto limit = static_cast<int>(std::clamp<std::int64_t>(
        left, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    timers.AddTimer(animation.period, animation.eventName, limit, [this] { Advance(); });
}

void AnimatedPicture::SetRunning(bool running) {
    if (running == !paused) {
        return;
    }
    paused = !running;
    if (paused) {
        StopTimer();
    } else if (animation.period != 0 && finished == 0) {
        StartTimer();
    }
}

void AnimatedPicture::Start() {
    Reset();
    SetFrame(animation.animFrame);
    SetPeriod(animation.period);
    SetVisible(1);
    animation.cycles = 0;
    finished = 0;
}

void AnimatedPicture::Advance() {
    if (finished != 0) {
        return;
    }
    ++fired;
    animation.animFrame = animation.animFrame < animation.frameCount
                              ? static_cast<std::uint16_t>(animation.animFrame + 1)
                              : std::uint16_t{1};
    SetFrame(animation.animFrame);
    if (animation.frameCount == 0 || animation.animFrame != 1) {
        return;
    }
    ++animation.cycles;
    if (animation.cycles == animation.repeatCount) {
        finished = 1;
        SetVisible(0);
    }
}

} // namespace widgets
