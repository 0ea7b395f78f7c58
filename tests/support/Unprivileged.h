#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Runs `body` in a child process as the unprivileged user nobody (uid and gid 65534), after
// handing it the folders in `paths` with everything in them. Root reads and writes files
// without permissions, so a test of what an ordinary player meets runs its body this way when
// it runs as root. The child prints its own failures; the result says whether it had any.
::testing::AssertionResult RunUnprivileged(const std::vector<std::string>& paths,
                                           const std::function<void()>& body);

// Whether the tests run as root, for whom no file is read-only (never on Windows).
bool RunningAsRoot();
