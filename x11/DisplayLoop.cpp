// Waking for the point clock and for X events, resizing, repainting and
// closing.
#include "x11/DisplayLoop.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <ctime>
#include <memory>

#include "anim/RasterSurface.h"
#include "x11/Blitter.h"
#include "x11/DamageSurface.h"

namespace {

// A wrapping millisecond clock that no change of the wall clock disturbs.
std::uint32_t NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(static_cast<unsigned long long>(now.tv_sec) * 1000u +
                                      static_cast<unsigned long long>(now.tv_nsec) / 1000000u);
}

// The window's picture: the raster, the damage noted in front of it and the
// image that carries it to the screen, all of the window's size.
struct Canvas {
    std::unique_ptr<RasterSurface> raster;
    std::unique_ptr<DamageSurface> surface;
    std::unique_ptr<Blitter> blitter;

    bool Make(Display* display, Window window, const XWindowAttributes& attributes, std::string& error)
    {
        blitter.reset();
        raster = std::make_unique<RasterSurface>(attributes.width, attributes.height);
        surface = std::make_unique<DamageSurface>(*raster);
        blitter = Blitter::Create(display, window, attributes, attributes.width, attributes.height, error);
        if (blitter == nullptr) return false;
        blitter->Put(*raster, PixelRect{0, 0, attributes.width, attributes.height});  // black, as the saver starts
        return true;
    }
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

class Loop {
public:
    Loop(Display* display, const TargetWindow& target, Animation& animation)
        : display_(display), target_(target), animation_(animation)
    {
    }

    int Run(std::string& error)
    {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, target_.window, &attributes)) return 0;  // gone already
        if (!canvas_.Make(display_, target_.window, attributes, error)) return 1;
        width_ = attributes.width, height_ = attributes.height;
        ResizeAnimation(animation_, width_, height_);
        due_ = NowMs() + animation_.settings.timerInterval;
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (Handle(event, error) == Outcome::Closed) return error.empty() ? 0 : 1;
            }
            const std::uint32_t now = NowMs();
            const auto wait = static_cast<std::int32_t>(due_ - now);
            if (wait <= 0) {
                due_ = now + AdvanceAnimation(animation_, *canvas_.surface, now).wakeAfter;
                canvas_.Show();
                continue;
            }
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, wait);
        }
    }

private:
    Outcome Handle(XEvent& event, std::string& error)
    {
        switch (event.type) {
        case ConfigureNotify:
            if (event.xconfigure.window != target_.window) break;
            if (event.xconfigure.width != width_ || event.xconfigure.height != height_) {
                return Resize(error) ? Outcome::Going : Outcome::Closed;
            }
            break;
        case Expose: {
            const XExposeEvent& e = event.xexpose;
            canvas_.blitter->Put(*canvas_.raster, PixelRect{e.x, e.y, e.x + e.width, e.y + e.height});
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

    // A new size starts a new figure on a black raster of that size, shown.
    bool Resize(std::string& error)
    {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, target_.window, &attributes)) return false;
        if (!canvas_.Make(display_, target_.window, attributes, error)) return false;
        width_ = attributes.width, height_ = attributes.height;
        ResizeAnimation(animation_, width_, height_);
        BeginNextFigure(animation_);
        due_ = NowMs() + animation_.settings.timerInterval;
        return true;
    }

    Display* display_;
    const TargetWindow& target_;
    Animation& animation_;
    Canvas canvas_;
    int width_ = 0, height_ = 0;
    std::uint32_t due_ = 0;  // when the point clock wants the next wake-up
};

}  // namespace

int RunDisplayLoop(Display* display, const TargetWindow& target, Animation& animation, std::string& error)
{
    Loop loop(display, target, animation);
    return loop.Run(error);
}
