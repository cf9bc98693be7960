// Moving one monitor's drawing to its place in the desktop window.
#include "anim/OffsetSurface.h"

#include <algorithm>

namespace {

// The engine holds coordinates within +-2^30 plus a stamp's radius, and a
// monitor's place is within +-2^17, so the sum stays inside int.
int Moved(int value, int by) { return value + by; }

}  // namespace

OffsetSurface::OffsetSurface(DrawingSurface& target, const MonitorArea& area, PenPosition& pen)
    : target_(target), area_(area), pen_(pen)
{
    Unclip();
}

OffsetSurface::~OffsetSurface() { target_.Unclip(); }

void OffsetSurface::MoveTo(int x, int y) { pen_ = {x, y}; }

// The target's position may belong to another monitor: start from our own.
void OffsetSurface::LineTo(int x, int y)
{
    target_.MoveTo(Moved(pen_.x, area_.left), Moved(pen_.y, area_.top));
    target_.LineTo(Moved(x, area_.left), Moved(y, area_.top));
    pen_ = {x, y};
}

void OffsetSurface::SetPixel(int x, int y, std::uint32_t colour)
{
    target_.SetPixel(Moved(x, area_.left), Moved(y, area_.top), colour);
}

void OffsetSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    const int dx = area_.left, dy = area_.top;
    target_.Arc(Moved(left, dx), Moved(top, dy), Moved(right, dx), Moved(bottom, dy), Moved(xStart, dx),
                Moved(yStart, dy), Moved(xEnd, dx), Moved(yEnd, dy));
}

void OffsetSurface::ClipTo(int left, int top, int right, int bottom)
{
    const int l = std::max(left, 0), t = std::max(top, 0);
    const int r = std::min(right, area_.width), b = std::min(bottom, area_.height);
    target_.ClipTo(area_.left + l, area_.top + t, area_.left + std::max(r, l), area_.top + std::max(b, t));
}

void OffsetSurface::Unclip() { ClipTo(0, 0, area_.width, area_.height); }
