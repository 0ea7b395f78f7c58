// Any bytes as a level file: the reader, the checks and the solver must neither crash nor
// disagree about what is a playable grid.
#include <cstdint>
#include <cstdio>

#include "puzzle/LevelFile.h"
#include "puzzle/LevelValidator.h"
#include "puzzle/Solver.h"

using namespace puzzle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = ::fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (file == nullptr) {
        return 0;
    }
    LevelFile level;
    const LevelFile::Status status = level.Read(file);
    std::fclose(file);
    if (status != LevelFile::Status::Ok) {
        return 0;
    }
    const bool playable = LevelValidator::Check(level.GetGrid()).empty();
    const Solver::Result result = Solver::Solve(level.GetGrid());
    if (playable && result.status == Solver::Status::Invalid) {
        __builtin_trap();
    }
    if (result.status == Solver::Status::Solved &&
        result.path.size() != static_cast<std::size_t>(result.steps)) {
        __builtin_trap();
    }
    return 0;
}
