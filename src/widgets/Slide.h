#pragma once

#include <cstdint>

namespace platform {
class Clock;
}
namespace scene {
class Element;
}

namespace widgets {

// Moves one element in a straight line from where it stands to a target over a fixed time,
// eased out: fast at first, settling into place. The time is read from the clock at each Step,
// which the owner calls as it draws, so the element moves only while frames are drawn. The
// element must outlive the slide, or the slide must be finished or dropped first.
class Slide {
public:
    // The clock must outlive the slide.
    explicit Slide(const platform::Clock& clock);

    // Starts moving `element` to (toX, toY), its parent's coordinates, from now on. A slide under
    // way is finished first; with no time to take, the element is placed at once.
    void Start(scene::Element& element, int toX, int toY, std::uint32_t durationMs);
    // Places the element where the clock's time puts it; true while it has not arrived.
    bool Step();
    // Places the element at its target at once; true when a slide was under way.
    bool Finish();
    // Drops the slide, leaving the element where it stands.
    void Drop() { element = nullptr; }
    bool Running() const { return element != nullptr; }

    // The share of the way covered after `progress` (0..1, clamped) of the time: 1 - (1 - t)^3.
    static double EaseOutCubic(double progress);

private:
    const platform::Clock& clock;
    scene::Element* element = nullptr;
    int fromX = 0;
    int fromY = 0;
    int toX = 0;
    int toY = 0;
    std::uint32_t startMs = 0;
    std::uint32_t durationMs = 0;
};

} // namespace widgets
