// Parsing the display mode's options; the settings go through the shared
// settings options and their stored-value checks.
#include "x11/DisplayOptions.h"

#include "settings/SettingOptions.h"

const char* const displayUsage =
    "usage: gyrelace [--root | --window | --window-id ID] [--seed N] [--set NAME=VALUE | SETTING]...\n"
    "  --window         draw in a window of its own, closed by q or Escape (default)\n"
    "  --root           draw in $XSCREENSAVER_WINDOW, else on the root window\n"
    "  --window-id ID   draw in the window ID (decimal or 0x-hex); wins over the others\n"
    "  --seed N         the figures' seed, unsigned 32-bit (default: the current time)\n"
    "  --set NAME=VALUE\n";

bool ParseWindowId(const std::string& text, unsigned long& id)
{
    unsigned long long number;
    if (!ParseWholeNumber(text, 0xFFFFFFFFull, true, number) || number == 0) return false;
    id = static_cast<unsigned long>(number);
    return true;
}

bool ParseDisplayOptions(int argc, const char* const* argv, DisplayOptions& options, std::string& error)
{
    StoredNumbers numbers = StoredNumbersOf(options.settings);
    bool windowIdGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string given = argv[i];
        const std::size_t dashes = given.rfind("--", 0) == 0 ? 2 : given.rfind('-', 0) == 0 ? 1 : 0;
        std::string name = given.substr(dashes);
        std::string argument;
        const auto equals = name.find('=');
        const bool hasArgument = equals != std::string::npos;
        if (hasArgument) {
            argument = name.substr(equals + 1);
            name.resize(equals);
        }
        const SettingOptionKind setting = FindSettingOption(name);
        const bool takesValue = name == "window-id" || name == "seed" || setting == SettingOptionKind::TakesValue;
        const bool isSwitch = name == "root" || name == "window" || name == "help" || name == "h" ||
                              setting == SettingOptionKind::Switch;
        if (dashes == 0 || (!takesValue && !isSwitch)) {
            error = "unknown option '" + given + "'";
            return false;
        }
        if (isSwitch && hasArgument) {
            error = "--" + name + " takes no value";
            return false;
        }
        if (takesValue && !hasArgument) {
            if (i + 1 >= argc) {
                error = "--" + name + " needs a value";
                return false;
            }
            argument = argv[++i];
        }

        if (name == "help" || name == "h") {
            options.help = true;
            return true;
        } else if (name == "root" || name == "window") {
            if (!windowIdGiven) options.target = name == "root" ? DrawTarget::Root : DrawTarget::OwnWindow;
        } else if (name == "window-id") {
            if (!ParseWindowId(argument, options.windowId)) {
                error = "--window-id: '" + argument + "' is no window id (decimal or 0x-hex, not 0)";
                return false;
            }
            options.target = DrawTarget::WindowId;
            windowIdGiven = true;
        } else if (name == "seed") {
            unsigned long long seed;
            if (!ParseWholeNumber(argument, 0xFFFFFFFFull, false, seed)) {
                error = "--seed: '" + argument + "' is no unsigned 32-bit number";
                return false;
            }
            options.seed = static_cast<std::uint32_t>(seed);
            options.seedGiven = true;
        } else if (!ApplySettingOption(name, argument, numbers, error)) {
            return false;
        }
    }
    ApplyStoredNumbers(options.settings, numbers);
    return true;
}
