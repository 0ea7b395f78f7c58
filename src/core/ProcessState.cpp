#include "core/ProcessState.h"

gfx::Display* currentDisplay = nullptr;
int windowed = 1;
