#pragma once

#include <cstdint>

// Window messages under their published names and values. The platform's event pump turns
// desktop events into these; the game's window procedure handles them.
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_QUERYNEWPALETTE = 0x030F;
constexpr UINT WM_APP = 0x8000;

// WM_SIZE
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXHIDE = 4;
// WM_ACTIVATE
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;
// WM_SYSCOMMAND
constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_MONITORPOWER = 0xF170;
// The caption hit-test code added to SC_MOVE: move with the mouse.
constexpr WPARAM HTCAPTION = 2;

// Commands of the game's window.
constexpr WPARAM kCommandToggleFullScreen = 1002;
constexpr WPARAM kCommandFullScreen = 1003;
constexpr WPARAM kCommandWindowed = 1004;

// The music player's notification.
constexpr UINT WM_GRAPHNOTIFY = WM_APP + 1;
// A named timer fired; wParam is the timer's id. Handled on the main thread.
constexpr UINT WM_TIMERFIRED = WM_APP + 2;

constexpr LPARAM MakeLParam(unsigned low, unsigned high) {
    return static_cast<LPARAM>((low & 0xFFFF) | (high & 0xFFFF) << 16);
}

struct Message {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
