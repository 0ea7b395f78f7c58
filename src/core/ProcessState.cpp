#include "core/ProcessState.h"

gfx::Display* currentDisplay = nullptr;
int screenWidth = 800;
int screenHeight = 600;
int active = 0;
int windowed = 1;
