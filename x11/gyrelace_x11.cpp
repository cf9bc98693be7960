// gyrelace: the Gyrelace figures as an xscreensaver display mode, in the
// window xscreensaver hands it, on the root window or in a window of its own.
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "anim/Animation.h"
#include "x11/DisplayLoop.h"
#include "x11/DisplayOptions.h"
#include "x11/TargetWindow.h"
#include "x11/XErrors.h"

namespace {

// xscreensaver ends a display mode with SIGTERM and expects it to die of it:
// keep the default action even when the parent left it ignored or blocked.
void KeepDefaultTermination()
{
    std::signal(SIGTERM, SIG_DFL);
    sigset_t term;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    sigprocmask(SIG_UNBLOCK, &term, nullptr);
}

int Fail(int status, const std::string& error)
{
    std::fprintf(stderr, "gyrelace: %s\n", error.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    DisplayOptions options;
    std::string error;
    if (!ParseDisplayOptions(argc, argv, options, error)) return Fail(2, error);
    if (options.help) {
        std::fputs(DisplayUsage().c_str(), stdout);
        return 0;
    }
    KeepDefaultTermination();

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return Fail(1, std::string("cannot open the display '") + XDisplayName(nullptr) + "'");
    EndQuietlyWhenWindowGone();  // before the window is chosen: its error trap needs these handlers
    TargetWindow target;
    if (!ChooseWindow(display, options, target, error)) {
        XCloseDisplay(display);
        return Fail(1, error);
    }

    auto animation = std::make_unique<Animation>();
    StartAnimation(*animation, options.settings,
                   options.seedGiven ? options.seed : static_cast<std::uint32_t>(std::time(nullptr)));
    RunDisplayLoop(display, target, *animation);
    XCloseDisplay(display);
    return 0;
}
