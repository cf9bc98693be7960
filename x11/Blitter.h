// Sends rectangles of the raster to the window: through an MIT-SHM image
// shared with the server when it offers one, else with XPutImage. Where the
// image's pixels are 32 bits of 8-bit channels in this machine's byte order
// (the usual 24- and 32-bit visuals) the raster paints straight into the
// image. Other visuals get a raster of their own whose rectangles are
// converted: TrueColor, or DirectColor with identity ramps in its colormap,
// of any depth, masks and byte order. Bits of the depth beyond the colour
// masks (alpha) are set, so the picture is opaque.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <memory>
#include <string>

#include "anim/DamageSurface.h"
#include "anim/RasterSurface.h"

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

    // A black raster of the image's size for the engine to draw in: the
    // image itself where it can be, else one of its own. It must go before
    // the Blitter.
    std::unique_ptr<RasterSurface> MakeRaster();

    // Puts the rectangle of the raster from MakeRaster on the window at the
    // same place (converting it first when the raster is not the image).
    // A shared image is read by the server later, when it handles the
    // request: until its completion event has come (Handle), the raster must
    // not be drawn in (WaitUntilRead).
    void Put(const RasterSurface& raster, PixelRect rect);
    // True for the completion event of a Put, which it takes note of.
    bool Handle(const XEvent& event);
    // Returns once the server has read the image of every Put.
    void WaitUntilRead();
    bool SharedMemory() const { return shared_; }
    bool PaintsTheImage() const { return direct_; }

private:
    Blitter(Display* display, Window window) : display_(display), window_(window) {}
    bool CreateSharedImage(Visual* visual, int depth, int width, int height);
    bool CreatePlainImage(Visual* visual, int depth, int width, int height);
    bool FindDirectFormat(const Visual* visual);
    void Convert(const RasterSurface& raster, PixelRect rect);

    Display* display_;
    Window window_;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
    bool shared_ = false;
    int completionType_ = 0;      // the event type of a shared put's completion
    int unread_ = 0;              // shared puts whose completion has not come
    bool nativeOrder32_ = false;  // 32-bit pixels in this machine's byte order
    bool direct_ = false;         // ... and 8 bits a channel: the raster paints the image
    PixelFormat format_;          // the image's pixels, when direct
    unsigned long channels_[3][256] = {};  // each red, green and blue value's bits in a pixel
    unsigned long opaque_ = 0;             // bits set in every pixel: the alpha of a 32-bit visual
};
