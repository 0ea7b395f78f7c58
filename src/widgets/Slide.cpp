#include "widgets/Slide.h"

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"
#include "scene/Element.h"

namespace widgets {

namespace {

int Between(int from, int to, double share) {
    return from + static_cast<int>(std::lround((to - from) * share));
}

} // namespace

Slide::Slide(const platform::Clock& clock) : clock(clock) {}

void Slide::Start(scene::Element& target, int newToX, int newToY, std::uint32_t newDurationMs) {
    Finish();
    if (newDurationMs == 0) {
        target.SetPosition(newToX, newToY);
        return;
    }
    element = &target;
    fromX = target.x;
    fromY = target.y;
    toX = newToX;
    toY = newToY;
    startMs = clock.Milliseconds();
    durationMs = newDurationMs;
}

bool Slide::Step() {
    if (element == nullptr) {
        return false;
    }
    // Unsigned, so a clock that wrapped around since the start still gives the time passed.
    const std::uint32_t elapsed = clock.Milliseconds() - startMs;
    if (elapsed >= durationMs) {
        Finish();
        return false;
    }
    const double share = EaseOutCubic(static_cast<double>(elapsed) / durationMs);
    element->SetPosition(Between(fromX, toX, share), Between(fromY, toY, share));
    return true;
}

bool Slide::Finish() {
    if (element == nullptr) {
        return false;
    }
    element->SetPosition(toX, toY);
    element = nullptr;
    return true;
}

double Slide::EaseOutCubic(double progress) {
    const double rest = 1.0 - std::clamp(progress, 0.0, 1.0);
    return 1.0 - rest * rest * rest;
}

} // namespace widgets
