// The command line of gyrelace-render: what to draw and where to write it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "anim/DesktopLayout.h"
#include "render/RecordFigures.h"
#include "settings/CommandLineScan.h"

inline constexpr long maxFigures = 1000000;
inline constexpr int maxWebpSide = 16383;                  // WebP's own limit
inline constexpr int maxFramesPerSecond = 100;

// The seed, the settings and --help come with the shared options.
struct RenderOptions : SharedOptions {
    int width = 1024;         // the window, or the desktop's bounding box
    int height = 768;
    std::vector<MonitorArea> monitors;  // --monitors, moved so the box starts at 0,0
    long figures = 1;
    std::string outPath;      // empty: not wanted; "-": standard output
    std::string tracePath;
    std::string opsPath;
    std::string svgPath;
    std::string animatePath;  // an animated WebP
    int framesPerSecond = 25;
};

// Reads argv[1..argc-1]. On bad input returns false with a one-line error
// naming the problem; nothing has been opened or written then.
bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions& options, std::string& error);

// What the options ask the figure loop to draw.
FigureRequest RequestOf(const RenderOptions& options);

std::string RenderUsage();
