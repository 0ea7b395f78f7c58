#pragma once

#include <functional>

namespace game {

// Calls a screen's report when someone listens to it.
template <typename... Args>
void Report(const std::function<void(Args...)>& callback, Args... args) {
    if (callback) {
        callback(args...);
    }
}

} // namespace game
