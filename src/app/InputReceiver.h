#pragma once

#include "core/Input.h"

namespace app {

// A screen, dialog or widget that takes the game's input through one entry. Whoever offers
// input (the application's input order, a panel for its widgets) offers each event through
// Offer, which passes a receiver that is not shown by.
class InputReceiver {
public:
    virtual ~InputReceiver() = default;

    // True when the event is consumed: nothing offered after this receiver sees it.
    virtual bool Handle(const core::Input& event) = 0;
    // Whether the receiver is on the screen. Asked at each offer, so a receiver that an earlier
    // one showed while handling the same event is offered that event.
    virtual bool Shown() const = 0;

    // Hands the event to Handle while the receiver is shown; false, consuming nothing, while
    // it is not.
    bool Offer(const core::Input& event) { return Shown() && Handle(event); }
};

// Offers input to an element that has a Handle entry of its own but is no receiver, while the
// element is shown in its tree.
template <class Target>
class ElementReceiver final : public InputReceiver {
public:
    // The target must outlive the receiver.
    explicit ElementReceiver(Target& target) : target(target) {}

    bool Handle(const core::Input& event) override { return target.Handle(event); }
    bool Shown() const override { return target.ShownInTree(); }

private:
    Target& target;
};

} // namespace app
