// Writing a raster picture as an 8-bit RGB PNG with libpng.
#pragma once

#include <cstdio>
#include <string>

#include "anim/RasterSurface.h"

// A raster of its own (rgbxFormat). False with the reason (libpng's, or the
// system's when the stream fails).
bool WritePng(std::FILE* file, const RasterSurface& picture, std::string& error);
