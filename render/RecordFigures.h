// The renderer's figure loop, without files: a window, or the monitors of a
// desktop, draw their figures point by point in step, as the saver's timer
// makes them do, into whichever outputs are wanted: the drawing operations,
// the per-point trace, the picture and the picture as SVG. The same loop serves gyrelace-render
// and the engine's known-answer tests, natively and under Windows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "anim/DesktopLayout.h"
#include "anim/RasterSurface.h"
#include "settings/SaverSettings.h"

struct FigureRequest {
    std::uint32_t seed = 0;
    int width = 1024;   // the window, or the desktop's bounding box
    int height = 768;
    // In window coordinates, the primary first. Empty: one monitor that is
    // the whole window, written in the plain formats.
    std::vector<MonitorArea> monitors;
    long figures = 1;
    SaverSettings settings;
};

class FigureSink {
public:
    bool wantOps = false;
    bool wantTrace = false;
    bool wantPicture = false;
    // Text in pieces, in order; false stops the run.
    virtual bool Ops(const std::string& text) = 0;
    virtual bool Trace(const std::string& text) = 0;
    bool wantSvg = false;
    // The window just after the last figure's point 360, before its erase.
    virtual bool Picture(const RasterSurface& picture) = 0;
    // The same as an SVG document.
    virtual bool Svg(const std::string&) { return true; }

protected:
    ~FigureSink() = default;
};

// False as soon as the sink refuses a piece.
bool RecordFigures(const FigureRequest& request, FigureSink& sink);

// The request's window, or its monitors, laid out with their seeds.
std::unique_ptr<Desktop> DesktopOf(const FigureRequest& request);
