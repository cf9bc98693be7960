// Draws a figure sequence headless, exactly as the saver would, and writes
// the picture, the per-point trace and the drawing-operation log.
#pragma once

#include <string>

#include "render/RenderOptions.h"

// Returns 0, or 1 with a one-line error when an output cannot be written.
int RunRender(const RenderOptions& options, std::string& error);
