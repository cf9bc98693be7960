// Draws a figure sequence headless, exactly as the saver would, and writes
// the picture, the per-point trace and the drawing-operation log.
#pragma once

#include <string>

#include "tools/RenderOptions.h"

// The CSV header of the trace.
extern const char* const traceHeader;

// Returns 0, or 1 with a one-line error when an output cannot be written.
int RunRender(const RenderOptions& options, std::string& error);
