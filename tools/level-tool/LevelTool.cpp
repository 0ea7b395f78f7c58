#include "LevelTool.h"

#include <chrono>
#include <cstdio>
#include <map>

#include "platform/FileSystem.h"
#include "puzzle/LevelFile.h"
#include "puzzle/LevelValidator.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

// Why a level file could not be read, or empty when it was.
std::string ReadError(LevelFile& file, const std::string& path) {
    switch (file.Read(platform::OpenFile(path, "rb").get())) {
    case LevelFile::Status::Ok:
        return {};
    case LevelFile::Status::CannotOpen:
        return "cannot open the file";
    case LevelFile::Status::BadMagic:
        break;
    }
    return "not a level file (bad magic number)";
}

} // namespace

int LevelTool::Run(const std::vector<std::string>& arguments) {
    if (arguments.size() == 2 && arguments[0] == "solve") {
        return Solve(arguments[1]);
    }
    if (arguments.size() == 2 && arguments[0] == "verify") {
        return Verify(arguments[1]);
    }
    return Usage();
}

int LevelTool::Usage() {
    err << "usage: level-tool solve FILE.dat\n"
           "       level-tool verify DIR\n";
    return 2;
}

int LevelTool::Solve(const std::string& path) {
    LevelFile file;
    if (const std::string error = ReadError(file, path); !error.empty()) {
        err << "level-tool: " << path << ": " << error << "\n";
        return 2;
    }
    const Solver::Result result = Solver::Solve(file.GetGrid());
    switch (result.status) {
    case Solver::Status::Solved:
        out << result.steps << "\n";
        return 0;
    case Solver::Status::Unsolvable:
        out << "unsolvable\n";
        return 1;
    case Solver::Status::Invalid:
        break;
    }
    err << "level-tool: " << path
        << ": not a valid level: " << LevelValidator::Check(file.GetGrid()) << "\n";
    return 2;
}

int LevelTool::Verify(const std::string& directory) {
    const auto start = std::chrono::steady_clock::now();
    int passed = 0;
    int failed = 0;
    std::map<LevelFile::Grid, int> seen;
    for (int level = 1; level <= kLevelCount; ++level) {
        const std::string path = directory + "/" + std::to_string(level) + ".dat";
        LevelFile file;
        std::string error = ReadError(file, path);
        Solver::Result result;
        if (error.empty()) {
            error = LevelValidator::Check(file.GetGrid());
        }
        if (error.empty()) {
            const auto [previous, isNew] = seen.emplace(file.GetGrid(), level);
            if (!isNew) {
                error = "same layout as level " + std::to_string(previous->second);
            }
        }
        if (error.empty()) {
            result = Solver::Solve(file.GetGrid());
            if (result.status != Solver::Status::Solved) {
                error = "unsolvable";
            }
        }
        if (error.empty()) {
            ++passed;
            out << "level " << level << ": " << result.steps << " steps\n";
        } else {
            ++failed;
            out << "level " << level << ": FAILED: " << path << ": " << error << "\n";
        }
    }
    out << "levels checked: " << passed << " passed, " << failed << " failed\n";
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.2f", seconds);
    out << "verified in " << elapsed << " s\n";
    return failed == 0 ? 0 : 1;
}
