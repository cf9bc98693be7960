// Parsing gyrelace-wayland's own options; the seed and the settings come
// through the shared scanner and its stored-value checks.
#include "wayland/WaylandOptions.h"

namespace {

constexpr OwnOption waylandOptions[] = {{"background", false}, {"saver", false}, {"output", true}};

}  // namespace

bool ParseWaylandOptions(int argc, const char* const* argv, WaylandOptions& options, std::string& error)
{
    CommandLineScan scan(argc, argv, waylandOptions, options);
    bool roleGiven = false;
    while (scan.Next()) {
        if (scan.Name() == "output") {
            if (scan.Value().empty()) scan.Refuse("is no output name");
            options.outputs.push_back(scan.Value());
            continue;
        }
        const SurfaceRole role = scan.Name() == "saver" ? SurfaceRole::Saver : SurfaceRole::Wallpaper;
        if (roleGiven && role != options.role) scan.Fail("--background and --saver cannot both be given");
        options.role = role, roleGiven = true;
    }
    error = scan.Error();
    return error.empty();
}

std::string WaylandUsage()
{
    return "usage: gyrelace-wayland [--background | --saver] [--output NAME]... [--seed N] "
           "[--set NAME=VALUE | SETTING]...\n" +
           UsageLine("--background", "a live wallpaper on the background layer, until ended by a signal (default)") +
           UsageLine("--saver", "over everything until a key, a button or pointer travel of 5 pixels") +
           UsageLine("--output NAME", "only on this output, as the compositor names it (repeatable)") +
           CommandLineScan::SharedUsage();
}
