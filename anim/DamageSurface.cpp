// Forwarding each operation to the raster and growing the changed rectangle.
#include "anim/DamageSurface.h"

#include <algorithm>

void DamageSurface::Grow(long long x0, long long y0, long long x1, long long y1, long long margin)
{
    const long long left = std::min(x0, x1) - margin, right = std::max(x0, x1) + 1 + margin;
    const long long top = std::min(y0, y1) - margin, bottom = std::max(y0, y1) + 1 + margin;
    if (right_ <= left_ || bottom_ <= top_) {
        left_ = left, top_ = top, right_ = right, bottom_ = bottom;
        return;
    }
    left_ = std::min(left_, left), top_ = std::min(top_, top);
    right_ = std::max(right_, right), bottom_ = std::max(bottom_, bottom);
}

void DamageSurface::MoveTo(int x, int y)
{
    x_ = x, y_ = y;
    raster_.MoveTo(x, y);
}

void DamageSurface::LineTo(int x, int y)
{
    Grow(x_, y_, x, y, 0);
    x_ = x, y_ = y;
    raster_.LineTo(x, y);
}

void DamageSurface::SetPixel(int x, int y, std::uint32_t colour)
{
    Grow(x, y, x, y, 0);
    raster_.SetPixel(x, y, colour);
}

// The outline stays inside its box; the margin keeps a pixel of rounding safe.
void DamageSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    Grow(left, top, right, bottom, 1);
    raster_.Arc(left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

void DamageSurface::Erase()
{
    Grow(0, 0, raster_.Width() - 1, raster_.Height() - 1, 0);
    raster_.Erase();
}

PixelRect DamageSurface::TakeDamage()
{
    PixelRect rect;
    rect.left = static_cast<int>(std::clamp<long long>(left_, 0, raster_.Width()));
    rect.top = static_cast<int>(std::clamp<long long>(top_, 0, raster_.Height()));
    rect.right = static_cast<int>(std::clamp<long long>(right_, rect.left, raster_.Width()));
    rect.bottom = static_cast<int>(std::clamp<long long>(bottom_, rect.top, raster_.Height()));
    left_ = top_ = right_ = bottom_ = 0;
    return rect;
}
