#include "platform/Presenter.h"

namespace platform {

Event MouseEventAt(const Presenter& presenter, MouseAction action, int windowX, int windowY) {
    const FrameFit::Point point = presenter.Fit().ToFrame(windowX, windowY);
    return Event::Mouse(action, point.x, point.y);
}

} // namespace platform
