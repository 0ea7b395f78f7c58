#include <iostream>

#include "ImageTool.h"

int main(int argc, char** argv) {
    ImageTool tool(std::cout, std::cerr);
    return tool.Run(std::vector<std::string>(argv + 1, argv + argc));
}
