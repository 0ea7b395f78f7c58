#pragma once

#include "core/Input.h"

namespace widgets {

// An element that takes mouse events handed to it by its screen or the application.
class MouseReceiver {
public:
    virtual ~MouseReceiver() = default;
    virtual void OnMouseEvent(core::Input* event) = 0;
};

} // namespace widgets
