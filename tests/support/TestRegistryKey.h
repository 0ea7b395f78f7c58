#pragma once

#include <random>
#include <string>

#include "OnWindows.h"

// A registry key of the test's own. Elsewhere the store is a folder of files below the test's
// own XDG_CONFIG_HOME and `key` is used as it is; on Windows it is the registry of the test
// run's Wine prefix, which outlives the test, so the key lies below a fresh key of its own.
inline std::string TestRegistryKey(const std::string& key) {
    if (!kOnWindows) {
        return key;
    }
    thread_local std::mt19937_64 random{std::random_device{}()};
    return "Software\\Tovak Marudo tests\\" + std::to_string(random()) + "\\" + key;
}
