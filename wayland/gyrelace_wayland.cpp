// gyrelace-wayland: the Gyrelace figures on every output of a Wayland
// desktop, through the layer-shell protocol: a live wallpaper on the
// background layer, or a screen saver on the overlay layer that input ends.
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "common/SteadyTicks.h"
#include "wayland/DisplayWait.h"
#include "wayland/Say.h"
#include "wayland/WaylandClient.h"
#include "wayland/WaylandLog.h"
#include "wayland/WaylandOptions.h"

namespace {

// SIGTERM and SIGINT end the program through the poll loop, so that it
// leaves in order with status 0. They keep no disposition they inherited
// (a shell starts background jobs with SIGINT ignored).
int EndingSignals()
{
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : {SIGTERM, SIGINT}) {
        std::signal(signal, SIG_DFL);
        sigaddset(&ending, signal);
    }
    sigprocmask(SIG_BLOCK, &ending, nullptr);
    return signalfd(-1, &ending, SFD_CLOEXEC | SFD_NONBLOCK);
}

// Runs until a signal, the saver's input or a lost connection; the exit status.
int Run(wl_display* display, int signals, const WaylandOptions& options)
{
    const std::uint32_t seed = options.seedGiven ? options.seed : static_cast<std::uint32_t>(std::time(nullptr));
    WaylandClient client(display, options, seed);
    DisplayWait wait(display, signals);
    WaitResult result = client.Start(wait);
    if (result == WaitResult::Events && !client.Missing().empty()) {
        Say(client.Missing());
        return 1;
    }
    while (result == WaitResult::Events && !client.Ended()) {
        client.Wake(SteadyTicks());
        if (client.Ended()) break;
        result = wait.Once(client.WaitFrom(SteadyTicks()));
    }
    if (result != WaitResult::Lost) return 0;
    Say(wait.LostReason());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    WaylandOptions options;
    std::string error;
    if (!ParseWaylandOptions(argc, argv, options, error)) {
        Say(error);
        return 2;
    }
    if (options.help) {
        std::fputs(WaylandUsage().c_str(), stdout);
        return 0;
    }
    const int signals = EndingSignals();
    if (signals < 0) {
        Say("cannot watch for signals");
        return 1;
    }
    KeepWaylandLog();
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        const char* name = std::getenv("WAYLAND_DISPLAY");
        const std::string why = LastWaylandLog().empty() ? std::strerror(errno) : LastWaylandLog();
        Say(std::string("cannot connect to the Wayland compositor '") + (name != nullptr ? name : "wayland-0") +
            "': " + why);
        close(signals);
        return 1;
    }
    const int status = Run(display, signals, options);
    wl_display_disconnect(display);
    close(signals);
    return status;
}
