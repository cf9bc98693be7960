// The display mode's loop: X events and poll() timeouts turned into engine
// calls and blits. It holds no figure logic: the point clock says what to
// draw and when to wake.
// Its sizes go to the engine as they come, and the picture is made again
// only when the engine takes one (anim/Resizing.h).
#pragma once

#include <X11/Xlib.h>

#include "anim/Animation.h"
#include "x11/TargetWindow.h"

// Runs the started animation in the window until it closes (q, Escape or
// the close button on a window of its own) or is destroyed. When no image
// can be made for the window (its visual, its size) it says why in one line
// on stderr and keeps the window black, trying again at the next new size.
void RunDisplayLoop(Display* display, const TargetWindow& target, Animation& animation);
