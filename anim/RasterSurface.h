// A drawing surface that paints into an image of 32-bit pixels pixel for
// pixel as GDI paints a window with a one-pixel solid pen: lines without
// their end pixel, GDI's ellipse outline from the box, and clipping that
// never moves a pixel. The rules, found against GDI, are spelt out in the
// .cpp. The image is its own, or the memory a front end shows (a shared
// image, a shm buffer, a canvas's bytes) in that memory's channel order and
// row stride, so that nothing is converted between drawing and showing.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "anim/DrawingSurface.h"

// How a 32-bit pixel holds a colour: the bit where each 8-bit channel
// starts, and bits set in every pixel (an alpha that keeps it opaque).
struct PixelFormat {
    int redShift = 16;
    int greenShift = 8;
    int blueShift = 0;
    std::uint32_t fill = 0;
};

// 0x00RRGGBB: X11's usual 24-bit TrueColor and wl_shm's XRGB8888.
inline constexpr PixelFormat xrgbFormat{};

// Red, green, blue and a fourth byte in that order in memory, as a PNG's
// rows and a canvas's RGBA bytes hold them: the format of a raster of its own.
inline constexpr PixelFormat rgbxFormat = std::endian::native == std::endian::little ? PixelFormat{0, 8, 16, 0}
                                                                                      : PixelFormat{24, 16, 8, 0};

class RasterSurface final : public DrawingSurface {
public:
    // A black image of its own in rgbxFormat; both sides must be at least 1.
    RasterSurface(int width, int height);
    // Paints into the caller's memory, made black here: `stride` bytes from
    // one row to the next (a multiple of 4), pixels in `format`. The memory
    // must outlive the surface.
    RasterSurface(int width, int height, void* pixels, std::size_t stride, PixelFormat format);
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    void SelectPen(std::uint32_t colour) override { pen = PixelOf(colour); }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    // Counter-clockwise from the start point's ray to the end point's ray,
    // the whole outline when they meet (as GDI's default arc direction).
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void Erase() override;
    void ClipTo(int left, int top, int right, int bottom) override;
    void Unclip() override;

    // Goes on painting, with the same pen, position and clip, in other
    // memory of the same size, stride and format that holds the same
    // picture: a front end's next buffer.
    void PaintInto(void* memory) { pixels = static_cast<unsigned char*>(memory); }

    int Width() const { return width; }
    int Height() const { return height; }
    const PixelFormat& Format() const { return format; }
    // Row y's pixels, left to right; rows are Stride() bytes apart.
    const std::uint32_t* Row(int y) const { return RowAt(y); }
    std::size_t Stride() const { return stride; }
    // The colour (red in the low byte) at a pixel; black outside the image.
    std::uint32_t PixelAt(int x, int y) const;

private:
    struct Offset {
        int x;
        int y;
    };

    std::uint32_t PixelOf(std::uint32_t colour) const;
    std::uint32_t* RowAt(long long y) const
    {
        return reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::size_t>(y) * stride);
    }
    void Plot(long long x, long long y, std::uint32_t pixel);
    void TraceQuarter(long long w, long long h);

    int width;
    int height;
    // The drawable rectangle: the image, or the part of it clipped to.
    int clipLeft = 0, clipTop = 0, clipRight, clipBottom;
    std::vector<std::uint32_t> own;  // the image when it is the surface's own
    unsigned char* pixels;
    std::size_t stride;
    PixelFormat format;
    std::uint32_t pen = 0;  // as a pixel
    int currentX = 0;
    int currentY = 0;
    // One quarter of the last outline traced, kept to save allocations.
    std::vector<Offset> quarter;
};
