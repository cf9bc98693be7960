// The saver window, full screen or inside the host's preview, its class,
// its message loop, and the first stage of its message chain.
#pragma once

#include <windows.h>

inline constexpr const char* saverClassName = "WindowsScreenSaverClass";
inline constexpr const char* fullScreenTitle = "Screen Saver";
inline constexpr const char* previewTitle = "Preview";
inline constexpr WORD saverIconId = 100;

// Runs the preview inside parent, or full screen without one, until the
// window is destroyed; returns the mode's exit code. A full-screen run that
// finds a saver already running brings it forward and returns 0; a window
// that cannot be made returns -1.
int RunSaverWindow(HWND parent);
