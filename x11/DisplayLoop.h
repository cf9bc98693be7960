// The display mode's loop: X events and poll() timeouts turned into engine
// calls and blits. It holds no figure logic: the point clock says what to
// draw and when to wake.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "anim/AnimationDriver.h"
#include "x11/TargetWindow.h"

// Runs the started animation in the window until it closes (q, Escape or
// the close button on a window of its own) or is destroyed; returns the
// exit status, 0, or 1 with a one-line error when no image can be made.
int RunDisplayLoop(Display* display, const TargetWindow& target, Animation& animation, std::string& error);
