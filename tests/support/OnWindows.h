#pragma once

// Whether the tests run as a Windows program. Cases that test what only one system has (POSIX
// permissions, another user, XDG folders, iconv's GBK table) skip on the other with a reason:
//   if (kOnWindows) { GTEST_SKIP() << "reason"; }
#ifdef _WIN32
inline constexpr bool kOnWindows = true;
#else
inline constexpr bool kOnWindows = false;
#endif

// Skips the rest of a test case on Windows, saying why.
#define SKIP_ON_WINDOWS(reason)                                                                    \
    do {                                                                                           \
        if (kOnWindows) {                                                                          \
            GTEST_SKIP() << (reason);                                                              \
        }                                                                                          \
    } while (false)
