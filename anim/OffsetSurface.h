// One monitor's drawing inside a window that spans the whole desktop: the
// monitor's figures are drawn as if in a window of its own, so coordinates
// move by the monitor's place, everything is clipped to its rectangle, and
// it keeps its own current position (the window has only one, and the
// monitors take turns drawing into it).
#pragma once

#include "anim/DrawingSurface.h"
#include "anim/MonitorArea.h"

struct PenPosition {
    int x = 0;
    int y = 0;
};

class OffsetSurface final : public DrawingSurface {
public:
    // Clips the target to the area until this surface goes.
    OffsetSurface(DrawingSurface& target, const MonitorArea& area, PenPosition& pen);
    ~OffsetSurface();
    OffsetSurface(const OffsetSurface&) = delete;
    OffsetSurface& operator=(const OffsetSurface&) = delete;

    void SelectPen(std::uint32_t colour) override { target_.SelectPen(colour); }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void Erase() override { target_.Erase(); }
    void ClipTo(int left, int top, int right, int bottom) override;
    void Unclip() override;

private:
    DrawingSurface& target_;
    MonitorArea area_;
    PenPosition& pen_;
};
