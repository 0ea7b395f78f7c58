#pragma once

#include <sstream>
#include <string>
#include <vector>

// What a command-line tool's Run gave: its exit status and what it wrote to each stream.
struct ToolOutcome {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs a tool class (constructed from its output and error streams) in-process.
template <typename Tool>
ToolOutcome RunTool(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    Tool tool(out, err);
    const int code = tool.Run(arguments);
    return {code, out.str(), err.str()};
}
