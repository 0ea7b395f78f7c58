#pragma once

#include <ostream>
#include <string>
#include <vector>

// The level tool's commands. Each returns the process exit code and writes its report to `out`
// and its errors to `err`.
class LevelTool {
public:
    LevelTool(std::ostream& out, std::ostream& err) : out(out), err(err) {}

    int Run(const std::vector<std::string>& arguments);

    // Prints the minimum number of steps: 0 when solvable, 1 when not, 2 when the file is no level.
    int Solve(const std::string& path);
    // Checks DIR/1.dat .. DIR/267.dat; 0 only when every level passes.
    int Verify(const std::string& directory);

private:
    int Usage();

    std::ostream& out;
    std::ostream& err;
};
