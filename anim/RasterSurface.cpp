// Painting lines, pixels and circle outlines into an RGB image, clipped.
#include "anim/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

long long Sign(long long v) { return (v > 0) - (v < 0); }

// Calls plot(offset) for each offset in [0, extent] whose pixel centre +
// offset or centre - offset lies inside [low, limit): only the part of a
// long outline that can show is visited.
template <typename Plot>
void ForVisibleOffsets(long long centre, long long extent, long long low, long long limit, Plot plot)
{
    const long long aheadFirst = std::max(0LL, low - centre), aheadLast = std::min(extent, limit - 1 - centre);
    const long long behindFirst = std::max(0LL, centre - (limit - 1)), behindLast = std::min(extent, centre - low);
    for (long long d = aheadFirst; d <= aheadLast; ++d) plot(d);
    for (long long d = behindFirst; d <= behindLast; ++d) {
        if (d < aheadFirst || d > aheadLast) plot(d);
    }
}

}  // namespace

RasterSurface::RasterSurface(int w, int h)
    : width(std::max(w, 1)), height(std::max(h, 1)), clipRight(width), clipBottom(height),
      rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0)
{
}

void RasterSurface::ClipTo(int left, int top, int right, int bottom)
{
    clipLeft = std::clamp(left, 0, width);
    clipTop = std::clamp(top, 0, height);
    clipRight = std::clamp(right, clipLeft, width);
    clipBottom = std::clamp(bottom, clipTop, height);
}

void RasterSurface::Unclip() { ClipTo(0, 0, width, height); }

void RasterSurface::Plot(long long x, long long y, std::uint32_t colour)
{
    if (x < clipLeft || y < clipTop || x >= clipRight || y >= clipBottom) return;
    std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3];
    p[0] = static_cast<std::uint8_t>(colour & 0xFF);
    p[1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    p[2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
}

std::uint32_t RasterSurface::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3];
    return MakeColour(p[0], p[1], p[2]);
}

void RasterSurface::MoveTo(int x, int y)
{
    currentX = x;
    currentY = y;
}

void RasterSurface::SetPixel(int x, int y, std::uint32_t colour) { Plot(x, y, colour); }

void RasterSurface::Erase()
{
    const auto rowBytes = static_cast<std::size_t>(width) * 3;
    for (int y = clipTop; y < clipBottom; ++y) {
        const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * rowBytes);
        std::fill(row + clipLeft * 3, row + clipRight * 3, std::uint8_t{0});
    }
}

// Steps along the longer axis; the shorter coordinate at step k is k times
// the slope, rounded half up. Step n, the end pixel, is left out. Only the
// steps whose long-axis coordinate lies inside the image are visited.
void RasterSurface::LineTo(int x, int y)
{
    const long long x0 = currentX, y0 = currentY;
    currentX = x;
    currentY = y;
    const long long dx = x - x0, dy = y - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const long long majorDelta = xMajor ? dx : dy, minorDelta = xMajor ? dy : dx;
    const long long majorLength = std::llabs(majorDelta), minorLength = std::llabs(minorDelta);
    const long long majorStep = Sign(majorDelta), minorStep = Sign(minorDelta);
    if (majorLength == 0) return;

    const long long low = xMajor ? clipLeft : clipTop, limit = xMajor ? clipRight : clipBottom;
    long long first = majorStep > 0 ? low - majorStart : majorStart - (limit - 1);
    long long last = majorStep > 0 ? limit - 1 - majorStart : majorStart - low;
    first = std::max(first, 0LL);
    last = std::min(last, majorLength - 1);
    for (long long k = first; k <= last; ++k) {
        // k * minorLength / majorLength rounded half up; both sides are
        // below 2^32, so the product fits 64 bits even on a 32-bit target.
        const auto product = static_cast<unsigned long long>(k) * static_cast<unsigned long long>(minorLength);
        const auto length = static_cast<unsigned long long>(majorLength);
        const auto offset = static_cast<long long>(product / length + (2 * (product % length) >= length ? 1 : 0));
        const long long major = majorStart + majorStep * k;
        const long long minor = minorStart + minorStep * offset;
        if (xMajor) {
            Plot(major, minor, pen);
        } else {
            Plot(minor, major, pen);
        }
    }
}

// The outline is sampled once per column and once per row, so that it stays
// closed where it runs steep as well as where it runs flat.
void RasterSurface::Arc(int left, int top, int right, int bottom, int, int, int, int)
{
    const long long l = std::min(left, right), r = std::max(left, right);
    const long long t = std::min(top, bottom), b = std::max(top, bottom);
    const long long a = (r - l) / 2, c = (b - t) / 2;  // semi-axes
    if (a == 0 || c == 0) return;
    const long long cx = l + a, cy = t + c;
    const double ax = static_cast<double>(a), ay = static_cast<double>(c);

    auto across = [](double semi, double other, long long d) {
        const double u = static_cast<double>(d) / other;
        return std::llround(semi * std::sqrt(std::max(0.0, 1.0 - u * u)));
    };
    ForVisibleOffsets(cx, a, clipLeft, clipRight, [&](long long dx) {
        const long long dy = across(ay, ax, dx);
        Plot(cx + dx, cy + dy, pen);
        Plot(cx + dx, cy - dy, pen);
        Plot(cx - dx, cy + dy, pen);
        Plot(cx - dx, cy - dy, pen);
    });
    ForVisibleOffsets(cy, c, clipTop, clipBottom, [&](long long dy) {
        const long long dx = across(ax, ay, dy);
        Plot(cx + dx, cy + dy, pen);
        Plot(cx - dx, cy + dy, pen);
        Plot(cx + dx, cy - dy, pen);
        Plot(cx - dx, cy - dy, pen);
    });
}
