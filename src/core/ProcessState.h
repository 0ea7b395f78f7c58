#pragma once

#include <string>
#include <string_view>

namespace gfx {
class Display;
}

// Process-wide values shared by every part of the game. Only the main thread writes them.

// Directory of the executable with exactly one trailing separator; every resource path starts
// with it. Tests point it at a temporary folder.
extern std::string exeDir;
// Full path of the executable file.
extern std::string exePath;
// exeDir followed by the window icon's file name.
extern std::string iconPath;

// The display of the moment, replaced at every display set-up; null before the first.
extern gfx::Display* currentDisplay;

extern int screenWidth;
extern int screenHeight;
// Frames are drawn only while not 0.
extern int active;
// 1 in a window, 0 full screen.
extern int windowed;

// The directory part of `path`, ending in exactly one separator ("" when there is none).
std::string DirectoryWithSeparator(std::string_view path);

// Fills exePath and exeDir from the running executable.
void ComputeExecutablePaths();
