// Choosing the window to draw in, by xscreensaver's conventions, and asking
// it for the events the display mode needs.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "x11/DisplayOptions.h"

struct TargetWindow {
    Window window = 0;
    bool own = false;        // created here: keys and the close button end the program
    Atom deleteWindow = 0;   // WM_DELETE_WINDOW, for a window of its own
};

// The window of --window-id, of --root (XSCREENSAVER_WINDOW, else the root
// window) or a new one of its own, mapped. On a window of another client it
// selects only structure and exposure events: button events can belong to
// one client alone. On a DirectColor visual the window gets a colormap that
// shows each pixel as TrueColor would. False with a one-line error when the
// window is unusable.
bool ChooseWindow(Display* display, const DisplayOptions& options, TargetWindow& target, std::string& error);
