// How X errors end the display mode. Once its window is gone (destroyed by
// its owner, or the display closed) it leaves quietly with status 0: a
// display mode outlives its window only by moments, and xscreensaver reads
// anything on stderr as trouble. A trap lets a request that may fail
// (attaching shared memory, reading a foreign window) fail without ending.
#pragma once

#include <X11/Xlib.h>

// Installs the handlers that end quietly when the window is gone and end
// with one line and status 1 on any other error.
void EndQuietlyWhenWindowGone();

// Between these two (with the handlers above installed), errors are only
// recorded; EndErrorTrap waits for the server and returns the first error
// code since BeginErrorTrap (0: none).
void BeginErrorTrap(Display* display);
int EndErrorTrap(Display* display);
