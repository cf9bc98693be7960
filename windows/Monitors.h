// The desktop's monitors as the full-screen saver covers them: the virtual
// screen, and each monitor's rectangle inside it.
#pragma once

#include <windows.h>

#include "anim/DesktopLayout.h"

// The bounding rectangle of all monitors, in screen coordinates.
RECT VirtualScreen();

// Up to maxMonitors monitors, in the coordinates of a window at the virtual
// screen's place; primary is the index of the primary one. With no monitor
// to be found, the whole virtual screen counts as one.
int FindMonitors(MonitorArea (&areas)[maxMonitors], int& primary);
