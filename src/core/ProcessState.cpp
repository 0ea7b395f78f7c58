#include "core/ProcessState.h"

#include "platform/FileSystem.h"

std::string exeDir;
std::string exePath;
std::string iconPath;
gfx::Display* currentDisplay = nullptr;
int screenWidth = 800;
int screenHeight = 600;
int active = 0;
int windowed = 1;

std::string DirectoryWithSeparator(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string_view::npos) {
        return {};
    }
    std::string_view dir = path.substr(0, last);
    while (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) {
        dir.remove_suffix(1);
    }
    return std::string(dir) + path[last];
}

void ComputeExecutablePaths() {
    exePath = platform::ExecutablePath();
    exeDir = DirectoryWithSeparator(exePath);
}
