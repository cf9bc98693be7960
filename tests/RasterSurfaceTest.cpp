// The software raster follows the window's drawing rules.
#include <gtest/gtest.h>

#include <cmath>

#include "anim/RasterSurface.h"

namespace {

int LitPixels(const RasterSurface& r)
{
    int lit = 0;
    for (int y = 0; y < r.Height(); ++y) {
        for (int x = 0; x < r.Width(); ++x) lit += r.PixelAt(x, y) != 0 ? 1 : 0;
    }
    return lit;
}

TEST(Raster, LinesLeaveOutTheirEndPixelAndKeepTheCurrentPosition)
{
    RasterSurface r(20, 20);
    r.SelectPen(0x0000FF);
    r.MoveTo(2, 3);
    r.LineTo(7, 3);
    EXPECT_EQ(LitPixels(r), 5);
    EXPECT_EQ(r.PixelAt(2, 3), 0x0000FFu);
    EXPECT_EQ(r.PixelAt(6, 3), 0x0000FFu);
    EXPECT_EQ(r.PixelAt(7, 3), 0u);
    r.LineTo(7, 8);  // goes on from (7, 3)
    EXPECT_EQ(r.PixelAt(7, 3), 0x0000FFu);
    EXPECT_EQ(r.PixelAt(7, 7), 0x0000FFu);
    EXPECT_EQ(r.PixelAt(7, 8), 0u);
    r.LineTo(7, 8);  // zero length draws nothing
    EXPECT_EQ(LitPixels(r), 10);

    RasterSurface d(10, 10);
    d.SelectPen(1);
    d.MoveTo(0, 0);
    d.LineTo(4, 2);  // one pixel per column
    EXPECT_EQ(LitPixels(d), 4);
    EXPECT_EQ(d.PixelAt(0, 0), 1u);
    EXPECT_EQ(d.PixelAt(3, 2), 1u);
}

TEST(Raster, EverythingIsClippedEvenFromFarAway)
{
    RasterSurface r(10, 10);
    r.SelectPen(0xFFFFFF);
    r.MoveTo(-1000000000, 5);
    r.LineTo(1000000000, 5);
    EXPECT_EQ(LitPixels(r), 10);
    r.Erase();
    r.MoveTo(-2000000000, -2000000000);
    r.LineTo(2000000000, 2000000000);
    EXPECT_EQ(LitPixels(r), 10);
    r.SetPixel(-1, 0, 5);
    r.SetPixel(10, 0, 5);
    r.Arc(-100, -100, 100, 100, -100, 0, -100, 0);  // outline entirely outside
    EXPECT_EQ(LitPixels(r), 10);
    r.Erase();
    EXPECT_EQ(LitPixels(r), 0);
}

TEST(Raster, ArcWithEqualEndsIsASymmetricClosedCircle)
{
    RasterSurface r(41, 41);
    r.SelectPen(0x00FF00);
    const int cx = 20, cy = 20, radius = 10;
    r.Arc(cx - radius, cy - radius, cx + radius, cy + radius, cx - radius, cy, cx - radius, cy);
    EXPECT_EQ(r.PixelAt(30, 20), 0x00FF00u);
    EXPECT_EQ(r.PixelAt(10, 20), 0x00FF00u);
    EXPECT_EQ(r.PixelAt(20, 10), 0x00FF00u);
    EXPECT_EQ(r.PixelAt(20, 30), 0x00FF00u);
    EXPECT_EQ(r.PixelAt(20, 20), 0u);
    for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 41; ++x) {
            EXPECT_EQ(r.PixelAt(x, y), r.PixelAt(40 - x, y));
            EXPECT_EQ(r.PixelAt(x, y), r.PixelAt(y, x));
            if (r.PixelAt(x, y) == 0) continue;
            // Every lit pixel lies on the circle and has a lit neighbour on each side.
            const double distance = std::hypot(x - cx, y - cy);
            EXPECT_NEAR(distance, radius, 0.75);
        }
    }
    RasterSurface empty(5, 5);
    empty.Arc(2, 2, 2, 2, 2, 2, 2, 2);  // radius 0
    EXPECT_EQ(LitPixels(empty), 0);
}

}  // namespace
