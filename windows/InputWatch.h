// Closing the full-screen saver on input, after the system's password
// component accepts when the desktop asks for a password; and telling the
// system whether a saver with a password runs.
#pragma once

#include <windows.h>

inline constexpr UINT VerifyRequestMessage = WM_APP;
inline constexpr DWORD reverifyPause = 200;

// The last stage of the saver window's message chain.
LRESULT InputWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void LoadPasswordCheck();
void UnloadPasswordCheck();
BOOL SignalSaverRunning(BOOL running);

void HideCursor();
