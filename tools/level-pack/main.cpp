#include <iostream>

#include "LevelPack.h"

int main(int argc, char** argv) {
    LevelPack pack(std::cerr);
    return pack.Run(std::vector<std::string>(argv + 1, argv + argc));
}
