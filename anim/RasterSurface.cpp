// Painting lines, pixels and ellipse outlines into 32-bit pixels exactly as
// GDI paints a window with a one-pixel solid pen, clipped without moving a
// pixel. The rules were found by drawing under Wine (whose GDI is held to
// Windows' own pictures by its conformance tests); tests/data holds GDI's
// pictures that RasterSurfaceTest compares with.
#include "anim/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// An outline is traced only for boxes up to this size: the error terms grow
// as the cube of the size and would leave 64 bits near 900,000 pixels (GDI
// itself fails there). The engine's largest stamp, 500 % of a 65,535-pixel
// window, is 655,350 wide.
constexpr long long largestOutline = 700'000;

// The step along the short axis of a line with `drift` over `length` steps
// (|drift| <= length): at step k it is k·drift/length rounded to the nearest
// whole number, a half rounded down, so a tie takes the upper pixel of a flat
// line and the left pixel of a steep one whichever way the line runs.
// `remainder` is 2·k·drift − length − 2·length·offset, in (−2·length, 0].
struct ShortAxis {
    long long drift;
    long long length;
    long long offset = 0;
    long long remainder = 0;

    // Goes straight to step k. The product k·drift can need 65 bits, so the
    // offset is estimated in floating point and put right with the remainder,
    // which is small, and so exact in wrapping 64-bit arithmetic.
    void Seek(long long k)
    {
        offset = std::llround(static_cast<double>(k) * static_cast<double>(drift) / static_cast<double>(length));
        using U = unsigned long long;
        remainder = static_cast<long long>(2 * U(k) * U(drift) - U(length) - 2 * U(length) * U(offset));
        Settle();
    }
    void Next()
    {
        remainder += 2 * drift;
        Settle();
    }
    void Settle()
    {
        while (remainder > 0) {
            ++offset;
            remainder -= 2 * length;
        }
        while (remainder <= -2 * length) {
            --offset;
            remainder += 2 * length;
        }
    }
};

}  // namespace

RasterSurface::RasterSurface(int w, int h)
    : width(std::max(w, 1)), height(std::max(h, 1)), clipRight(width), clipBottom(height),
      own(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0),
      pixels(reinterpret_cast<unsigned char*>(own.data())), stride(static_cast<std::size_t>(width) * 4),
      format(rgbxFormat)
{
}

RasterSurface::RasterSurface(int w, int h, void* memory, std::size_t rowBytes, PixelFormat pixelFormat)
    : width(std::max(w, 1)), height(std::max(h, 1)), clipRight(width), clipBottom(height),
      pixels(static_cast<unsigned char*>(memory)), stride(rowBytes), format(pixelFormat)
{
    Erase();
}

void RasterSurface::ClipTo(int left, int top, int right, int bottom)
{
    clipLeft = std::clamp(left, 0, width);
    clipTop = std::clamp(top, 0, height);
    clipRight = std::clamp(right, clipLeft, width);
    clipBottom = std::clamp(bottom, clipTop, height);
}

void RasterSurface::Unclip() { ClipTo(0, 0, width, height); }

std::uint32_t RasterSurface::PixelOf(std::uint32_t colour) const
{
    return format.fill | (colour & 0xFF) << format.redShift | ((colour >> 8) & 0xFF) << format.greenShift |
           ((colour >> 16) & 0xFF) << format.blueShift;
}

void RasterSurface::Plot(long long x, long long y, std::uint32_t pixel)
{
    if (x < clipLeft || y < clipTop || x >= clipRight || y >= clipBottom) return;
    RowAt(y)[x] = pixel;
}

std::uint32_t RasterSurface::PixelAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    const std::uint32_t pixel = RowAt(y)[x];
    return MakeColour(pixel >> format.redShift & 0xFF, pixel >> format.greenShift & 0xFF,
                      pixel >> format.blueShift & 0xFF);
}

void RasterSurface::MoveTo(int x, int y)
{
    currentX = x;
    currentY = y;
}

void RasterSurface::SetPixel(int x, int y, std::uint32_t colour) { Plot(x, y, PixelOf(colour)); }

void RasterSurface::Erase()
{
    for (int y = clipTop; y < clipBottom; ++y) std::fill(RowAt(y) + clipLeft, RowAt(y) + clipRight, format.fill);
}

// One pixel per step along the longer axis (a diagonal counts as steep),
// from the start pixel up to the end pixel, which is left out. Only the
// steps whose long-axis coordinate lies inside the clip rectangle are
// visited, each at the pixel it has in the whole line.
void RasterSurface::LineTo(int x, int y)
{
    const long long x0 = currentX, y0 = currentY;
    currentX = x;
    currentY = y;
    const long long dx = x - x0, dy = y - y0;
    const bool flat = std::llabs(dx) > std::llabs(dy);
    const long long length = std::llabs(flat ? dx : dy);
    if (length == 0) return;
    const long long longStart = flat ? x0 : y0, shortStart = flat ? y0 : x0;
    const long long step = (flat ? dx : dy) > 0 ? 1 : -1;
    const long long low = flat ? clipLeft : clipTop, limit = flat ? clipRight : clipBottom;
    const long long shortLow = flat ? clipTop : clipLeft, shortLimit = flat ? clipBottom : clipRight;

    const long long first = std::max(0LL, step > 0 ? low - longStart : longStart - (limit - 1));
    const long long last = std::min(length - 1, step > 0 ? limit - 1 - longStart : longStart - low);
    if (first > last) return;
    ShortAxis across{flat ? dy : dx, length};
    across.Seek(first);
    for (long long k = first;; across.Next()) {
        const long long along = longStart + step * k, side = shortStart + across.offset;
        if (side >= shortLow && side < shortLimit) {
            if (flat) {
                Plot(along, side, pen);
            } else {
                Plot(side, along, pen);
            }
        }
        if (++k > last) break;
    }
}

// GDI's outline of the ellipse in the box, whose right and bottom edges are
// left out, so that it spans width × height pixels; an empty box draws
// nothing. One quarter is traced from the middle of the right side up to the
// top; the others are its mirror images. The outline is then walked
// counter-clockwise on the screen from the pixel where the start point's ray
// meets it to the one where the end point's ray does, and, as on a polyline,
// the last pixel walked is left out: equal start and end points walk the
// whole outline, so the pixel just before the start is missing.
// The outline's upper right quarter of a w x h box, as offsets from the
// inner corner, into `quarter`. Positions are doubled offsets from the
// centre, (x2, y2), with y upwards; with a = w − 1 and c = h − 1 the ellipse
// is f(x2, y2) = c²·x2² + a²·y2² − a²·c². From each pixel GDI steps inwards
// when f at the diagonal neighbour plus f at the pixel above is not
// negative, upwards when f at the diagonal neighbour plus f at the pixel
// inwards is not positive, or both; it stops on leaving the right half.
void RasterSurface::TraceQuarter(long long w, long long h)
{
    const long long a = w - 1, c = h - 1;
    const long long aa = a * a, cc = c * c;
    long long x2 = a, y2 = c % 2;
    long long diagonal = 4 * cc * (1 - a) + aa * (y2 + 2) * (y2 + 2);  // f(x2 − 2, y2 + 2)
    quarter.clear();
    while (x2 >= 0) {
        quarter.push_back({static_cast<int>((x2 + a) / 2 - w / 2), static_cast<int>((y2 - c % 2) / 2)});
        const bool upwards = diagonal - 2 * aa * (y2 + 1) <= 0;
        // Left of the last column one of the two always holds, and in the last
        // one it did for every box up to 200 × 200; should neither, stepping
        // inwards keeps the trace finite.
        const bool inwards = diagonal + 2 * cc * (x2 - 1) >= 0 || !upwards;
        if (inwards) {
            diagonal -= 4 * cc * (x2 - 3);
            x2 -= 2;
        }
        if (upwards) {
            diagonal += 4 * aa * (y2 + 3);
            y2 += 2;
        }
    }
}

void RasterSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    const long long l = std::min(left, right), r = std::max(left, right);
    const long long t = std::min(top, bottom), b = std::max(top, bottom);
    const long long w = r - l, h = b - t;
    if (w == 0 || h == 0 || w > largestOutline || h > largestOutline) return;
    if (r <= clipLeft || l >= clipRight || b <= clipTop || t >= clipBottom) return;

    TraceQuarter(w, h);

    // Quarter offsets grow from the inner corners: the right and left halves
    // start at these columns, the upper and lower halves at these rows (the
    // same column or row when the size is odd).
    const long long rightHalf = l + w / 2, leftHalf = r - 1 - w / 2;
    const long long upperHalf = b - 1 - h / 2, lowerHalf = t + h / 2;
    const long long n = static_cast<long long>(quarter.size());
    auto at = [&](long long i, long long& px, long long& py) {
        const long long q = (i / n) % 4, j = i % n;
        const Offset o = quarter[static_cast<std::size_t>(q % 2 == 0 ? j : n - 1 - j)];
        px = q == 0 || q == 3 ? rightHalf + o.x : leftHalf - o.x;
        py = q < 2 ? upperHalf - o.y : lowerHalf + o.y;
    };

    // Where a ray from the centre meets the walk, counting from the middle
    // of the right side: in the upper half at the first pixel whose quarter
    // offset is at the ray's angle or beyond, in the lower half strictly
    // beyond.
    const long long centreX = l + w / 2, centreY = t + h / 2;
    auto meet = [&](long long px, long long py) {
        const long long rx = px - centreX, ry = centreY - py;
        const long long u = std::llabs(rx), v = std::llabs(ry);
        auto before = [&](bool orAt) {
            return std::partition_point(quarter.begin(), quarter.end(), [&](const Offset& o) {
                       const long long cross = o.y * u - o.x * v;
                       return cross < 0 || (orAt && cross == 0);
                   }) - quarter.begin();
        };
        if (ry >= 0) return rx >= 0 ? before(false) : 2 * n - before(true);
        return rx < 0 ? 2 * n + before(true) : 4 * n - before(false);
    };
    const long long from = meet(xStart, yStart);
    long long to = meet(xEnd, yEnd);
    if (to <= from) to += 4 * n;

    long long px = 0, py = 0, nextX = 0, nextY = 0;
    at(from, px, py);
    for (long long i = from; i + 1 < to; ++i) {
        at(i + 1, nextX, nextY);
        if (px != nextX || py != nextY) Plot(px, py, pen);
        px = nextX;
        py = nextY;
    }
}
