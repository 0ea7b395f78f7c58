#pragma once

#include <string>

namespace widgets {

// An element that reacts to the application's named timed events. The owner passes every fired
// name on; the receiver picks out its own.
class TimerReceiver {
public:
    virtual ~TimerReceiver() = default;
    virtual void OnTimerEvent(const std::string& name) = 0;
};

} // namespace widgets
