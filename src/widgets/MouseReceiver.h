#pragma once

#include "core/MouseEvent.h"

namespace widgets {

// An element that takes mouse events handed to it by its screen or the application.
class MouseReceiver {
public:
    virtual ~MouseReceiver() = default;
    virtual void OnMouseEvent(core::MouseEvent* event) = 0;
};

} // namespace widgets
