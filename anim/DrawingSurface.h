// The only way the engine draws. The Windows shell puts a window's device
// context behind it; the renderer a recording of operations or an RGB image.
// Coordinates are client pixels, y downwards; colours are COLORREF values
// (red in the low byte). Everything outside the window, or outside the clip
// rectangle when one is set, is clipped.
#pragma once

#include <cstdint>

class DrawingSurface {
public:
    // A one-pixel solid pen of this colour for what follows.
    virtual void SelectPen(std::uint32_t colour) = 0;
    // Sets the current position; draws nothing.
    virtual void MoveTo(int x, int y) = 0;
    // From the current position to (x, y) with the pen, without the end
    // pixel; (x, y) becomes the current position.
    virtual void LineTo(int x, int y) = 0;
    virtual void SetPixel(int x, int y, std::uint32_t colour) = 0;
    // An elliptic arc inside the box; with equal start and end points the
    // whole outline is drawn.
    virtual void Arc(int left, int top, int right, int bottom,
                     int xStart, int yStart, int xEnd, int yEnd) = 0;
    // Paints the whole client area black (within the clip rectangle).
    virtual void Erase() = 0;
    // Limits everything drawn from now on to left <= x < right, top <= y <
    // bottom, as if the window ended there; Unclip lifts the limit.
    virtual void ClipTo(int left, int top, int right, int bottom) = 0;
    virtual void Unclip() = 0;

protected:
    ~DrawingSurface() = default;
};

// A COLORREF from its three channels.
constexpr std::uint32_t MakeColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return red + 256u * green + 65536u * blue;
}
