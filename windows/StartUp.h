// The saver's entry: the command line picks one mode, which runs to its end
// and gives the process its exit code.
#pragma once

#include <windows.h>

int DispatchCommandLine(HINSTANCE moduleHandle, const char* commandTail, int showCommand);

int RunPreview(const char* text);
int RequestPasswordChange(const char* text);
INT_PTR OpenSettingsDialog(HWND owner);
