#pragma once

#include "core/MouseEvent.h"

// An element that takes mouse events handed to it by its screen or the application.
class MouseReceiver {
public:
    virtual ~MouseReceiver() = default;
    virtual void OnMouseEvent(MouseEvent* event) = 0;
};
