// A drawing surface in front of the raster that notes which rectangle each
// operation may have changed, so that a front end shows (or an animation
// encodes) only that.
#pragma once

#include <cstdint>

#include "anim/PixelRect.h"
#include "anim/RasterSurface.h"

class DamageSurface final : public DrawingSurface {
public:
    explicit DamageSurface(RasterSurface& raster) : raster_(raster) {}

    void SelectPen(std::uint32_t colour) override { raster_.SelectPen(colour); }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void Erase() override;
    void ClipTo(int left, int top, int right, int bottom) override { raster_.ClipTo(left, top, right, bottom); }
    void Unclip() override { raster_.Unclip(); }

    // What changed since the last call, within the raster; starts afresh.
    PixelRect TakeDamage();

private:
    // Grows the damage by the pixels from corner to corner, both included,
    // and a margin around them.
    void Grow(long long x0, long long y0, long long x1, long long y1, long long margin);

    RasterSurface& raster_;
    int x_ = 0, y_ = 0;  // the current position, as the raster keeps it
    long long left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};
