// The configuration dialog: every setting shown and editable, the three
// numeric fields checked as the user types, OK writing the eight values.
#pragma once

#include <windows.h>

// Prepares window classes the dialog's controls would need; it needs none.
bool InitSetupControls(HINSTANCE moduleHandle);

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
