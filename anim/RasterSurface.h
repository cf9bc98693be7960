// A drawing surface that paints into an RGB image pixel for pixel as GDI
// paints a window with a one-pixel solid pen: lines without their end
// pixel, GDI's ellipse outline from the box, and clipping that never moves
// a pixel. The rules, found against GDI, are spelt out in the .cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "anim/DrawingSurface.h"

class RasterSurface final : public DrawingSurface {
public:
    // A black image; both sides must be at least 1.
    RasterSurface(int width, int height);

    void SelectPen(std::uint32_t colour) override { pen = colour; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    // Counter-clockwise from the start point's ray to the end point's ray,
    // the whole outline when they meet (as GDI's default arc direction).
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void Erase() override;
    void ClipTo(int left, int top, int right, int bottom) override;
    void Unclip() override;

    int Width() const { return width; }
    int Height() const { return height; }
    // Rows top to bottom, three bytes a pixel: red, green, blue.
    const std::vector<std::uint8_t>& Pixels() const { return rgb; }
    std::uint32_t PixelAt(int x, int y) const;

private:
    struct Offset {
        int x;
        int y;
    };

    void Plot(long long x, long long y, std::uint32_t colour);

    int width;
    int height;
    // The drawable rectangle: the image, or the part of it clipped to.
    int clipLeft = 0, clipTop = 0, clipRight, clipBottom;
    std::vector<std::uint8_t> rgb;
    std::uint32_t pen = 0;
    int currentX = 0;
    int currentY = 0;
    // One quarter of the last outline traced, kept to save allocations.
    std::vector<Offset> quarter;
};
