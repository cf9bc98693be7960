// The animation's stage of the saver window's message chain: creation,
// size, erase, the point timer and the completion delay around the figure
// engine. What it does not answer goes on to the input watch.
#pragma once

#include <windows.h>

inline constexpr UINT_PTR animationTimer = 1;

LRESULT AnimationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
