// The window choice: an existing window checked through an error trap, or a
// window of its own with a title and the window manager's close button.
#include "x11/TargetWindow.h"

#include <X11/Xutil.h>

#include <cstdlib>
#include <cstdio>

#include "x11/XErrors.h"

namespace {

constexpr unsigned ownWidth = 800;
constexpr unsigned ownHeight = 600;

Window CreateOwnWindow(Display* display, Atom& deleteWindow)
{
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, ownWidth, ownHeight, 0,
                                              BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, "Gyrelace");
    XClassHint hint{const_cast<char*>("gyrelace"), const_cast<char*>("Gyrelace")};
    XSetClassHint(display, window, &hint);
    deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, KeyPressMask | StructureNotifyMask | ExposureMask);
    XMapWindow(display, window);
    return window;
}

}  // namespace

bool ChooseWindow(Display* display, const DisplayOptions& options, TargetWindow& target, std::string& error)
{
    target = TargetWindow{};
    if (options.target == DrawTarget::OwnWindow) {
        target.window = CreateOwnWindow(display, target.deleteWindow);
        target.own = true;
        return true;
    }
    target.window = DefaultRootWindow(display);
    if (options.target == DrawTarget::WindowId) {
        target.window = options.windowId;
    } else if (const char* saverWindow = std::getenv("XSCREENSAVER_WINDOW")) {
        unsigned long id;
        if (ParseWindowId(saverWindow, id)) target.window = id;
    }

    XWindowAttributes attributes;
    BeginErrorTrap(display);
    const Status found = XGetWindowAttributes(display, target.window, &attributes);
    if (found != 0 && attributes.c_class == InputOutput) {
        XSelectInput(display, target.window, StructureNotifyMask | ExposureMask);
    }
    if (EndErrorTrap(display) != 0 || found == 0 || attributes.c_class != InputOutput) {
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", target.window);
        error = std::string("no window to draw in at ") + id;
        return false;
    }
    return true;
}
