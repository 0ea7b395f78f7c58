#include <gtest/gtest.h>

#include <cstdlib> // defines __GLIBC__ with the GNU C library
#include <memory>

// The address sanitizer brings an allocator of its own.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define TM_GLIBC_ALLOCATOR 1
#include <malloc.h>
#endif

#include "platform/ProcessMemory.h"

namespace {

// The C library would keep a second megabyte block in its heap once the first was freed; the
// game asks for every large block to leave at once, so a music file read twice does not stay.
TEST(ProcessMemoryTest, ALargeBlockFreedAgainAndAgainAlwaysLeavesTheHeap) {
#if defined(TM_GLIBC_ALLOCATOR)
    platform::ReleaseLargeBlocksOnFree();
    constexpr std::size_t kBlockBytes = 1u << 20;
    for (int round = 0; round < 3; ++round) {
        const auto block = std::make_unique<char[]>(kBlockBytes);
        EXPECT_GE(mallinfo2().hblkhd, kBlockBytes)
            << "round " << round << ": not a mapping of its own";
    }
#else
    GTEST_SKIP() << "only the GNU C library's allocator raises its threshold";
#endif
}

} // namespace
