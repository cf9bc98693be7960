// The figures being traced at their real pace as an animated, lossless,
// looping WebP: the point clock is driven at the frames' times, a frame is
// added whenever the picture changed, and a completion delay is one long
// frame. Each frame is only the rectangle that changed.
#pragma once

#include <cstdio>
#include <string>

#include "render/RecordFigures.h"

// Draws the request's figures (ending as the last one's delay ends) at
// framesPerSecond frames a second into the file. False with the reason
// (libwebp's, or the system's when the stream fails).
bool WriteWebpAnimation(const FigureRequest& request, int framesPerSecond, std::FILE* file, std::string& error);
