// Parsing the display mode's own options; the seed and the settings come
// through the shared scanner and its stored-value checks.
#include "x11/DisplayOptions.h"

namespace {

constexpr OwnOption displayOptions[] = {{"root", false}, {"window", false}, {"window-id", true}};

}  // namespace

bool ParseWindowId(const std::string& text, unsigned long& id)
{
    unsigned long long number;
    if (!ParseWholeNumber(text, 0xFFFFFFFFull, true, number) || number == 0) return false;
    id = static_cast<unsigned long>(number);
    return true;
}

bool ParseDisplayOptions(int argc, const char* const* argv, DisplayOptions& options, std::string& error)
{
    CommandLineScan scan(argc, argv, displayOptions, options);
    while (scan.Next()) {
        if (scan.Name() != "window-id") {
            if (options.target != DrawTarget::WindowId) {
                options.target = scan.Name() == "root" ? DrawTarget::Root : DrawTarget::OwnWindow;
            }
        } else if (ParseWindowId(scan.Value(), options.windowId)) {
            options.target = DrawTarget::WindowId;
        } else {
            scan.Refuse("is no window id (decimal or 0x-hex, not 0)");
        }
    }
    error = scan.Error();
    return error.empty();
}

std::string DisplayUsage()
{
    return "usage: gyrelace [--root | --window | --window-id ID] [--seed N] [--set NAME=VALUE | SETTING]...\n" +
           UsageLine("--window", "draw in a window of its own, closed by q or Escape (default)") +
           UsageLine("--root", "draw in $XSCREENSAVER_WINDOW, else on the root window") +
           UsageLine("--window-id ID", "draw in the window ID (decimal or 0x-hex); wins over the others") +
           CommandLineScan::SharedUsage();
}
