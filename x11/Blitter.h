// Sends rectangles of the raster to the window: through an MIT-SHM image
// shared with the server when it offers one, else with XPutImage. Pixels are
// converted to the window's visual: TrueColor, or DirectColor with identity
// ramps in its colormap, of any depth, masks and byte order, opaque where
// the depth has bits beyond the colour masks (alpha).
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
    // nullptr with a one-line error when the visual is neither TrueColor nor
    // DirectColor or no image can be made.
    static std::unique_ptr<Blitter> Create(Display* display, Window window, const XWindowAttributes& attributes,
                                           int width, int height, std::string& error);
    // The pixel that shows black on a window with these attributes, also
    // when no Blitter can be made for it.
    static unsigned long BlackOn(Display* display, const XWindowAttributes& attributes);
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
    bool xrgb32_ = false;         // ... and 8 bits a channel as 0x??RRGGBB, the common case
    unsigned long channels_[3][256] = {};  // each red, green and blue value's bits in a pixel
    unsigned long opaque_ = 0;             // bits set in every pixel: the alpha of a 32-bit visual
};
