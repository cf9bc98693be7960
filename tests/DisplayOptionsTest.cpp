// The display mode's command line: where it draws, its seed and settings in
// xscreensaver's spellings, and that its settings panel writes only options
// it accepts, with the same ranges and defaults. (What it refuses is in the
// table of RenderCliTest.)
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "settings/SettingOptions.h"
#include "x11/DisplayOptions.h"

namespace {

bool Parse(const std::vector<std::string>& args, DisplayOptions& options, std::string& error)
{
    std::vector<const char*> argv{"gyrelace"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    return ParseDisplayOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

// Stored forms in load order: RadiusFactor, ImagesPerSec, JoinTheDots,
// ObjectShape, ObjectRotation, ColourOption, ZoomOption, EndDelay.
constexpr StoredNumbers defaults{8, 50, 0, ShapeCircle, RotationNone, ColourHigh, 0, 1};

TEST(DisplayOptions, AcceptsBothSpellingsAndEverySetting)
{
    using enum DrawTarget;
    struct Case {
        std::vector<std::string> args;
        DrawTarget target;
        unsigned long windowId;
        StoredNumbers stored;
    };
    const Case cases[] = {
        {{}, OwnWindow, 0, defaults},
        {{"-root"}, Root, 0, defaults},
        {{"--root", "-window"}, OwnWindow, 0, defaults},
        {{"--window-id", "0x2A", "--root", "-window"}, WindowId, 42, defaults},
        {{"-window-id=4294967295", "--seed", "7"}, WindowId, 4294967295, defaults},
        {{"--object-size", "500", "-points-per-second=400", "--completion-delay", "0", "--connect-dots"},
         OwnWindow, 0, {500, 500, 1, ShapeCircle, RotationNone, ColourHigh, 0, 0}},
        {{"--no-circle", "--square", "-star8", "--no-still", "--clockwise", "--anticlockwise", "--colour-low"},
         OwnWindow, 0, {8, 50, 0, ShapeSquare | ShapeStar8, RotationAll & ~RotationNone, ColourLow, 0, 1}},
        {{"--no-circle", "--no-still"}, OwnWindow, 0, defaults},  // an empty set is Circle / None
        {{"--set", "ObjectShape=0", "--triangle", "--set=connect=1", "--no-connect-dots", "--colour-medium"},
         OwnWindow, 0, {8, 50, 0, ShapeTriangle, RotationNone, ColourMedium, 0, 1}},
        {{"--zoom-low", "--zoom-medium", "--zoom-high", "--zoom-very-high", "--zoom-1-phase", "--zoom-2-phase",
          "--zoom-4-phase", "--zoom-start-small", "--zoom-start-large", "--no-zoom-medium"},
         OwnWindow, 0, {8, 50, 0, ShapeCircle, RotationNone, ColourHigh, ZoomAll & ~ZoomMedium, 1}},
        {{"--set", "RadiusFactor=900", "--set", "ImagesPerSec=0", "--set", "EndDelay=0xFFFFFFFF"}, OwnWindow, 0,
         {500, 50, 0, ShapeCircle, RotationNone, ColourHigh, 0, 0}},
    };
    for (const Case& c : cases) {
        DisplayOptions o;
        std::string error;
        ASSERT_TRUE(Parse(c.args, o, error)) << error;
        EXPECT_EQ(o.target, c.target) << c.args.size();
        EXPECT_EQ(o.windowId, c.windowId);
        EXPECT_EQ(StoredNumbersOf(o.settings), c.stored) << (c.args.empty() ? "" : c.args[0]);
    }
    DisplayOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--seed", "4294967295", "-h"}, o, error));
    EXPECT_TRUE(o.help && o.seedGiven && o.seed == 4294967295u);
}

std::string Attribute(const std::string& element, const std::string& name)
{
    std::smatch match;
    const std::regex pattern("\\s" + name + "=\"([^\"]*)\"");
    return std::regex_search(element, match, pattern) ? match[1].str() : std::string();
}

// The panel silently drops options the program does not declare: each
// option it can write must parse, a number at its low, high and default
// (the default giving the program's own default) and not just outside.
TEST(DisplayOptions, AcceptsEveryOptionItsPanelWrites)
{
    std::ifstream file(GYRELACE_PANEL_XML);
    std::stringstream text;
    text << file.rdbuf();
    const std::string xml = text.str();
    const std::regex elementPattern("<(command|number|boolean|option)\\b[^>]*>");
    int options = 0;
    for (std::sregex_iterator it(xml.begin(), xml.end(), elementPattern), end; it != end; ++it) {
        const std::string element = it->str();
        auto accepts = [&](std::string arg, const std::string& value, StoredNumbers* stored) {
            if (const auto percent = arg.find('%'); percent != std::string::npos) arg.replace(percent, 1, value);
            std::vector<std::string> args;
            std::istringstream words(arg);
            for (std::string word; words >> word;) args.push_back(word);
            DisplayOptions o;
            std::string error;
            const bool accepted = Parse(args, o, error);
            if (stored != nullptr) *stored = StoredNumbersOf(o.settings);
            return accepted;
        };
        for (const char* name : {"arg", "arg-set", "arg-unset"}) {
            const std::string arg = Attribute(element, name);
            if (arg.empty()) continue;
            ++options;
            if (arg.find('%') == std::string::npos) {
                EXPECT_TRUE(accepts(arg, "", nullptr)) << arg;
                continue;
            }
            const unsigned long low = std::stoul(Attribute(element, "low"));
            const unsigned long high = std::stoul(Attribute(element, "high"));
            StoredNumbers stored;
            EXPECT_TRUE(accepts(arg, std::to_string(low), nullptr)) << arg;
            EXPECT_TRUE(accepts(arg, std::to_string(high), nullptr)) << arg;
            EXPECT_FALSE(accepts(arg, std::to_string(high + 1), nullptr)) << arg;
            EXPECT_TRUE(low == 0 || !accepts(arg, std::to_string(low - 1), nullptr)) << arg;
            EXPECT_TRUE(accepts(arg, Attribute(element, "default"), &stored)) << arg;
            EXPECT_EQ(stored, defaults) << arg;
        }
    }
    EXPECT_EQ(options, 27) << "the panel's command, 3 numbers, 2 colours and 21 check boxes";
}

}  // namespace
