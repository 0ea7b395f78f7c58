// Generates the game folder's data: images, music and sound, cursor and icon, the help page and
// the default settings. Usage: assetgen DIST_DIR PREVIEW_DIR LEVELS_TXT
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>

#include "AssetGenerator.h"

using namespace puzzle;

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: assetgen DIST_DIR PREVIEW_DIR LEVELS_TXT\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    assetgen::AssetGenerator generator(argv[1], argv[2]);
    if (!generator.LoadLevels(argv[3])) {
        return 1;
    }
    const bool ok = generator.Run();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %d files written, %d unchanged, %.1f s\n", generator.Written(),
                generator.Unchanged(), seconds);
    return ok ? 0 : 1;
}
