// Any bytes as a progress file: reading visits no more entries than the file holds.
#include <cstdint>
#include <cstdio>

#include "puzzle/ProgressFile.h"

using namespace puzzle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = ::fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (file == nullptr) {
        return 0;
    }
    std::size_t visited = 0;
    std::int32_t cleared[268] = {};
    ProgressFile::Read(file, [&](std::int32_t entry) {
        ++visited;
        if (entry >= 1 && entry <= 267) {
            cleared[entry] = 1;
        }
        return true;
    });
    std::fclose(file);
    if (size < 4 ? visited != 0 : visited > (size - 4) / 4) {
        __builtin_trap();
    }
    return cleared[0];
}
