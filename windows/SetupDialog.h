// The configuration dialog: every setting shown and editable, the three
// numeric fields checked as the user types, OK writing the eight values.
#pragma once

#include <windows.h>

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
