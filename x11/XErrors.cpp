// The X error and I/O error handlers. Xlib gives a handler no context, so the
// trap's state is the one file-level record here.
#include "x11/XErrors.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct ErrorTrap {
    bool active = false;
    int firstError = 0;
};
ErrorTrap trap;

int OnError(Display* display, XErrorEvent* event)
{
    if (trap.active) {
        if (trap.firstError == 0) trap.firstError = event->error_code;
        return 0;
    }
    // Requests on a window that was destroyed under us fail with these.
    if (event->error_code == BadWindow || event->error_code == BadDrawable) std::exit(0);
    char text[160];
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::fprintf(stderr, "gyrelace: X error: %s (request %d)\n", text, event->request_code);
    std::exit(1);
}

int OnConnectionLost(Display*) { std::exit(0); }

}  // namespace

void EndQuietlyWhenWindowGone()
{
    XSetErrorHandler(OnError);
    XSetIOErrorHandler(OnConnectionLost);
}

void BeginErrorTrap(Display* display)
{
    XSync(display, False);
    trap = ErrorTrap{true, 0};
}

int EndErrorTrap(Display* display)
{
    XSync(display, False);
    trap.active = false;
    return trap.firstError;
}
