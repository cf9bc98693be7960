// The command line of gyrelace-wayland: a live wallpaper or a screen saver,
// on every output or on those named, and the seed and settings every
// Gyrelace program takes.
#pragma once

#include <string>
#include <vector>

#include "settings/CommandLineScan.h"

enum class SurfaceRole {
    Wallpaper,  // --background, the default: the background layer, no input, until a signal
    Saver,      // --saver: the overlay layer, ended by a key, a button or pointer travel
};

struct WaylandOptions : SharedOptions {
    SurfaceRole role = SurfaceRole::Wallpaper;
    std::vector<std::string> outputs;  // --output NAME, repeatable; none: every output
};

// Reads argv[1..argc-1]. False with a one-line error naming the problem.
bool ParseWaylandOptions(int argc, const char* const* argv, WaylandOptions& options, std::string& error);

std::string WaylandUsage();
