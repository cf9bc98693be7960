// The window choice: an existing window checked through an error trap, or a
// window of its own with a title and the window manager's close button; on
// a DirectColor visual either gets a colormap of identity ramps.
#include "x11/TargetWindow.h"

#include <X11/Xutil.h>

#include <bit>
#include <cstdlib>
#include <cstdio>
#include <vector>

#include "x11/XErrors.h"

namespace {

constexpr unsigned ownWidth = 800;
constexpr unsigned ownHeight = 600;

// A DirectColor visual looks each channel of a pixel up in the window's
// colormap: one whose entries equal their indices (a ramp from black to full
// intensity) lets the pixels be made as for TrueColor. Installed on another
// client's window, where the saver holds the screen; a window manager
// installs it for a window of its own.
void GiveIdentityRamps(Display* display, Window window, Visual* visual, bool install)
{
    const Colormap colormap = XCreateColormap(display, window, visual, AllocAll);
    const unsigned long masks[3] = {visual->red_mask, visual->green_mask, visual->blue_mask};
    std::vector<XColor> cells(static_cast<std::size_t>(visual->map_entries));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        XColor& cell = cells[i];
        unsigned short* values[3] = {&cell.red, &cell.green, &cell.blue};
        const char channels[3] = {DoRed, DoGreen, DoBlue};
        for (int c = 0; c < 3; ++c) {
            if (masks[c] == 0) continue;
            const int low = std::countr_zero(masks[c]);
            const unsigned long top = masks[c] >> low;  // the channel's last entry
            if (i > top) continue;
            cell.pixel |= i << low;
            *values[c] = static_cast<unsigned short>(i * 65535 / top);
            cell.flags = static_cast<char>(cell.flags | channels[c]);
        }
    }
    XStoreColors(display, colormap, cells.data(), visual->map_entries);
    XSetWindowColormap(display, window, colormap);
    if (install) XInstallColormap(display, colormap);
}

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
    Visual* visual = DefaultVisual(display, screen);
    if (visual->c_class == DirectColor) GiveIdentityRamps(display, window, visual, false);
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
        if (attributes.visual->c_class == DirectColor) GiveIdentityRamps(display, target.window, attributes.visual, true);
    }
    if (EndErrorTrap(display) != 0 || found == 0 || attributes.c_class != InputOutput) {
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", target.window);
        error = std::string("no window to draw in at ") + id;
        return false;
    }
    return true;
}
