// Draws a figure sequence headless, exactly as the saver would, and writes
// the picture (PNG and SVG), the per-point trace, the drawing-operation log
// and the animation.
#pragma once

#include <string>

#include "render/RenderOptions.h"

// Returns 0; 2 with a one-line error when an output cannot be made (before
// anything is drawn); 1 with one when writing fails. A file that was not
// written whole is not left behind.
int RunRender(const RenderOptions& options, std::string& error);
