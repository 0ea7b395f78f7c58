#include "Unprivileged.h"

bool RunningAsRoot() {
    return false;
}

// Windows has no user a test could become; the cases that need one skip there first.
::testing::AssertionResult RunUnprivileged(const std::vector<std::string>&,
                                           const std::function<void()>&) {
    return ::testing::AssertionFailure() << "no other user to run as on Windows";
}
