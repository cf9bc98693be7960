// Sends rectangles of the raster to the window: through an MIT-SHM image
// shared with the server when it offers one, else with XPutImage. Pixels are
// converted to the window's visual (any TrueColor masks and byte order).
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <memory>
#include <string>

#include "anim/RasterSurface.h"
#include "x11/DamageSurface.h"

class Blitter {
public:
    // For a window with these attributes and an image of width x height;
    // nullptr with a one-line error when the visual is no TrueColor one.
    static std::unique_ptr<Blitter> Create(Display* display, Window window, const XWindowAttributes& attributes,
                                           int width, int height, std::string& error);
    ~Blitter();
    Blitter(const Blitter&) = delete;
    Blitter& operator=(const Blitter&) = delete;

    // Converts the rectangle of the raster (its size is the image's) and
    // puts it on the window at the same place.
    void Put(const RasterSurface& raster, PixelRect rect);
    bool SharedMemory() const { return shared_; }

private:
    Blitter(Display* display, Window window) : display_(display), window_(window) {}
    bool CreateSharedImage(Visual* visual, int depth, int width, int height);
    bool CreatePlainImage(Visual* visual, int depth, int width, int height);
    void Convert(const RasterSurface& raster, PixelRect rect);

    Display* display_;
    Window window_;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool shared_ = false;
    bool nativeOrder32_ = false;  // 32-bit pixels in this machine's byte order
    bool xrgb32_ = false;         // ... and 8 bits a channel as 0x00RRGGBB, the common case
    unsigned long masks_[3] = {};  // red, green, blue in a pixel
    int shifts_[3] = {};           // where each 8-bit channel's top bit lands
};
