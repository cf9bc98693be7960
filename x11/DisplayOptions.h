// The command line of the xscreensaver display mode: where to draw, and the
// seed and settings every Gyrelace program takes. Options take one dash or
// two, as xscreensaver's do.
#pragma once

#include <string>

#include "settings/CommandLineScan.h"

enum class DrawTarget {
    OwnWindow,  // --window, the default: a window of its own
    Root,       // --root: XSCREENSAVER_WINDOW when set, else the root window
    WindowId,   // --window-id ID: another client's window; wins over the others
};

struct DisplayOptions : SharedOptions {
    DrawTarget target = DrawTarget::OwnWindow;
    unsigned long windowId = 0;
};

// Reads argv[1..argc-1]. False with a one-line error naming the problem.
bool ParseDisplayOptions(int argc, const char* const* argv, DisplayOptions& options, std::string& error);

// A window id as xscreensaver writes it: decimal or 0x-hex, not 0.
bool ParseWindowId(const std::string& text, unsigned long& id);

std::string DisplayUsage();
