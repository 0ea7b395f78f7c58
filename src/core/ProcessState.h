#pragma once

namespace gfx {
class Display;
}

// Process-wide values shared by every part of the game. Only the main thread writes them.

// The display of the moment, replaced at every display set-up; null before the first.
extern gfx::Display* currentDisplay;

// 1 in a window, 0 full screen.
extern int windowed;
