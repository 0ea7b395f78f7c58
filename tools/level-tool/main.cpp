#include <iostream>

#include "LevelTool.h"

int main(int argc, char** argv) {
    LevelTool tool(std::cout, std::cerr);
    return tool.Run(std::vector<std::string>(argv + 1, argv + argc));
}
