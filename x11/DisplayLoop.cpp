// Waking for the point clock and for X events, resizing, repainting and
// closing; a window that cannot be drawn on is kept black.
#include "x11/DisplayLoop.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "anim/DamageSurface.h"
#include "anim/RasterSurface.h"
#include "common/SteadyTicks.h"
#include "common/Ticks.h"
#include "x11/Blitter.h"

namespace {

// The window's picture: the raster, the damage noted in front of it and the
// image that carries it to the screen, all of the window's size. Empty when
// none can be made for the window.
struct Canvas {
    // In this order, so that the raster, which may paint the image, goes
    // before the image.
    std::unique_ptr<Blitter> blitter;
    std::unique_ptr<RasterSurface> raster;
    std::unique_ptr<DamageSurface> surface;

    // A black picture of the window's size, shown; false, empty, with a
    // one-line error when none can be made (the visual, the size over the
    // limit, memory).
    bool Make(Display* display, Window window, const XWindowAttributes& attributes, std::string& error)
    {
        // The old picture goes first: a resize needs only one at a time.
        Clear();
        const int width = attributes.width, height = attributes.height;
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        error = SizeProblem(width, height);
        if (!error.empty()) {
            error = "the window's size: " + error;
            return false;
        }
        try {
            blitter = Blitter::Create(display, window, attributes, width, height, error);
            if (blitter != nullptr) raster = blitter->MakeRaster();
        } catch (const std::bad_alloc&) {
            error = "not enough memory for an image of the window's size " + size;
        }
        if (raster == nullptr) {
            Clear();
            return false;
        }
        surface = std::make_unique<DamageSurface>(*raster);
        blitter->Put(*raster, PixelRect{0, 0, width, height});  // black, as the saver starts
        return true;
    }
    void Clear()
    {
        surface.reset();
        raster.reset();
        blitter.reset();
    }
    bool Empty() const { return blitter == nullptr; }
    void Show() { blitter->Put(*raster, surface->TakeDamage()); }
};

enum class Outcome { Going, Closed };

bool IsCloseKey(XKeyEvent& event)
{
    char text[8];
    KeySym key = NoSymbol;
    const int length = XLookupString(&event, text, sizeof text, &key, nullptr);
    return key == XK_Escape || (length == 1 && (text[0] == 'q' || text[0] == 'Q'));
}

// Without a canvas the window is kept black and the loop only waits for
// events: it never ends on its own, as xscreensaver counts any end of a
// display mode as a crash.
class Loop {
public:
    Loop(Display* display, const TargetWindow& target, Animation& animation)
        : display_(display), target_(target), animation_(animation)
    {
    }
    ~Loop()
    {
        if (black_ != nullptr) XFreeGC(display_, black_);
    }
    Loop(const Loop&) = delete;
    Loop& operator=(const Loop&) = delete;

    void Run()
    {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, target_.window, &attributes)) return;  // gone already
        XGCValues values{};
        values.foreground = Blitter::BlackOn(display_, attributes);
        black_ = XCreateGC(display_, target_.window, GCForeground, &values);
        OfferSize(animation_, attributes.width, attributes.height, SteadyTicks());
        // The socket is read only when poll() says something came: a wake-up
        // that draws costs the poll, the put's write and the read of its
        // completion.
        for (;;) {
            while (XEventsQueued(display_, QueuedAlready) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (Handle(event) == Outcome::Closed) return;
            }
            const std::uint32_t now = SteadyTicks();
            int width = 0, height = 0;
            if (TakeSize(animation_, now, width, height) && !Rebuild(now)) return;
            std::uint32_t wait = SizeWait(animation_, now);  // without a canvas only a size or an event wakes it
            if (!canvas_.Empty()) {
                if (MillisecondsUntil(due_, now) == 0) {
                    canvas_.blitter->WaitUntilRead();
                    due_ = now + AdvanceAnimation(animation_, *canvas_.surface, now).wakeAfter;
                    canvas_.Show();
                    continue;
                }
                wait = std::min(wait, MillisecondsUntil(due_, now));
            }
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            if (poll(&connection, 1, wait == noWake ? -1 : static_cast<int>(wait)) > 0) {
                XEventsQueued(display_, QueuedAfterReading);
            }
        }
    }

private:
    Outcome Handle(XEvent& event)
    {
        if (!canvas_.Empty() && canvas_.blitter->Handle(event)) return Outcome::Going;
        switch (event.type) {
        case ConfigureNotify:
            // A drag's sizes settle into one before the figures restart.
            if (event.xconfigure.window == target_.window) {
                OfferSize(animation_, event.xconfigure.width, event.xconfigure.height, SteadyTicks());
            }
            break;
        case Expose: {
            const XExposeEvent& e = event.xexpose;
            Paint(PixelRect{e.x, e.y, e.x + e.width, e.y + e.height});
            break;
        }
        case DestroyNotify:
            if (event.xdestroywindow.window == target_.window) return Outcome::Closed;
            break;
        case KeyPress:
            if (target_.own && IsCloseKey(event.xkey)) return Outcome::Closed;
            break;
        case ClientMessage:
            if (target_.own && static_cast<Atom>(event.xclient.data.l[0]) == target_.deleteWindow) {
                return Outcome::Closed;
            }
            break;
        default:
            break;
        }
        return Outcome::Going;
    }

    // A black canvas of the window's size, shown, with the figures restarted
    // at it; when none can be made, the window shown black and the reason
    // said once. False when the window is gone.
    bool Rebuild(std::uint32_t now)
    {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, target_.window, &attributes)) return false;
        due_ = now + RestartAtSize(animation_, attributes.width, attributes.height);
        std::string error;
        if (!canvas_.Make(display_, target_.window, attributes, error)) {
            if (error != reported_) std::fprintf(stderr, "gyrelace: %s; the window stays black\n", error.c_str());
            reported_ = error;
            Paint(PixelRect{0, 0, attributes.width, attributes.height});
            return true;
        }
        reported_.clear();
        return true;
    }

    // Puts the canvas's pixels in the rectangle, or black without a canvas.
    void Paint(PixelRect rect)
    {
        if (!canvas_.Empty()) {
            canvas_.blitter->Put(*canvas_.raster, rect);
        } else if (!rect.Empty()) {
            XFillRectangle(display_, target_.window, black_, rect.left, rect.top,
                           static_cast<unsigned>(rect.right - rect.left), static_cast<unsigned>(rect.bottom - rect.top));
            XFlush(display_);
        }
    }

    Display* display_;
    const TargetWindow& target_;
    Animation& animation_;
    Canvas canvas_;
    GC black_ = nullptr;   // fills the window when there is no canvas
    std::string reported_;  // the last reason given for having no canvas
    std::uint32_t due_ = 0;  // when the point clock wants the next wake-up
};

}  // namespace

void RunDisplayLoop(Display* display, const TargetWindow& target, Animation& animation)
{
    Loop loop(display, target, animation);
    loop.Run();
}
