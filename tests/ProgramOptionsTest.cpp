// The command lines of gyrelace-render, the display mode and the Wayland
// client, read by the one scanner they share: the settings options in either
// spelling, each program's own options, and what they refuse, naming why.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/RenderOptions.h"
#include "settings/StoredValues.h"
#include "wayland/WaylandOptions.h"
#include "x11/DisplayOptions.h"

namespace {

using Args = std::vector<const char*>;

// Runs a program's scan on its arguments, its name first as in argv.
bool Scan(auto parse, const char* program, Args args, auto& options, std::string& error)
{
    args.insert(args.begin(), program);
    return parse(static_cast<int>(args.size()), args.data(), options, error);
}
bool Parse(Args a, RenderOptions& o, std::string& e) { return Scan(ParseRenderOptions, "gyrelace-render", a, o, e); }
bool Parse(Args a, DisplayOptions& o, std::string& e) { return Scan(ParseDisplayOptions, "gyrelace", a, o, e); }
bool Parse(Args a, WaylandOptions& o, std::string& e) { return Scan(ParseWaylandOptions, "gyrelace-wayland", a, o, e); }

// Stored forms in load order: RadiusFactor, ImagesPerSec, JoinTheDots,
// ObjectShape, ObjectRotation, ColourOption, ZoomOption, EndDelay.
constexpr StoredNumbers defaults{8, 50, 0, ShapeCircle, RotationNone, ColourHigh, 0, 1};

TEST(ProgramOptions, EitherProgramTakesTheSettingsInEitherSpelling)
{
    const struct { Args args; StoredNumbers stored; } cases[] = {
        {{}, defaults},
        {{"--object-size", "500", "-points-per-second=400", "--completion-delay", "0", "--connect-dots"},
         {500, 500, 1, ShapeCircle, RotationNone, ColourHigh, 0, 0}},
        {{"--no-circle", "--square", "-star8", "--no-still", "--clockwise", "--anticlockwise", "--colour-low"},
         {8, 50, 0, ShapeSquare | ShapeStar8, RotationAll & ~RotationNone, ColourLow, 0, 1}},
        {{"--no-circle", "--no-still"}, defaults},  // an empty set is Circle / None
        {{"--set", "ObjectShape=0", "--triangle", "--set=connect=1", "--no-connect-dots", "--colour-medium"},
         {8, 50, 0, ShapeTriangle, RotationNone, ColourMedium, 0, 1}},
        {{"--zoom-low", "--zoom-medium", "--zoom-high", "--zoom-very-high", "--zoom-1-phase", "--zoom-2-phase",
          "--zoom-4-phase", "--zoom-start-small", "--zoom-start-large", "--no-zoom-medium"},
         {8, 50, 0, ShapeCircle, RotationNone, ColourHigh, ZoomAll & ~ZoomMedium, 1}},
        // Through the stored values' checks, as a load.
        {{"--set", "RadiusFactor=900", "--set", "ImagesPerSec=0", "--set", "EndDelay=0xFFFFFFFF", "--set",
          "shape=0x1FE", "-set", "rotation=0x11"},
         {500, 50, 0, ShapeAll, RotationNone, ColourHigh, 0, 0}},
    };
    for (const auto& c : cases) {
        RenderOptions render;
        DisplayOptions display;
        std::string error;
        std::vector<const char*> renderArgs = c.args;
        renderArgs.insert(renderArgs.end(), {"--ops", "x"});
        ASSERT_TRUE(Parse(renderArgs, render, error)) << error;
        ASSERT_TRUE(Parse(c.args, display, error)) << error;
        EXPECT_EQ(StoredNumbersOf(render.settings), c.stored) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(StoredNumbersOf(display.settings), c.stored) << (c.args.empty() ? "" : c.args[0]);
    }
}

TEST(ProgramOptions, EachProgramTakesItsOwnOptions)
{
    RenderOptions o;
    std::string error;
    const Args args{"--seed", "4294967295", "--size=1920x1080", "--figures", "3",
                    "--ops", "-", "--trace", "t.csv", "--out", "p.png"};
    ASSERT_TRUE(Parse(args, o, error)) << error;
    EXPECT_TRUE(o.seedGiven && o.seed == 4294967295u && o.figures == 3);
    EXPECT_TRUE(o.width == 1920 && o.height == 1080 && o.monitors.empty());
    EXPECT_TRUE(o.opsPath == "-" && o.tracePath == "t.csv" && o.outPath == "p.png");
    // Monitors anywhere on the desktop; the picture starts at their top left.
    ASSERT_TRUE(Parse({"--monitors", "800x600+0+0,640x480-640+100", "--ops", "x"}, o, error)) << error;
    EXPECT_TRUE(o.width == 1440 && o.height == 600);
    ASSERT_EQ(o.monitors.size(), 2u);
    EXPECT_TRUE(o.monitors[0].left == 640 && o.monitors[0].top == 0 && o.monitors[0].width == 800);
    EXPECT_TRUE(o.monitors[1].left == 0 && o.monitors[1].top == 100 && o.monitors[1].height == 480);

    using enum DrawTarget;
    const struct { Args args; DrawTarget target; unsigned long windowId; } targets[] = {
        {{}, OwnWindow, 0}, {{"-root"}, Root, 0}, {{"--root", "-window"}, OwnWindow, 0},
        {{"--window-id", "0x2A", "--root", "-window"}, WindowId, 42},  // the window id wins
        {{"-window-id=4294967295"}, WindowId, 4294967295},
    };
    for (const auto& c : targets) {
        DisplayOptions d;
        ASSERT_TRUE(Parse(c.args, d, error)) << error;
        EXPECT_EQ(d.target, c.target) << c.args.size();
        EXPECT_EQ(d.windowId, c.windowId);
    }
    WaylandOptions w;
    ASSERT_TRUE(Parse({"--saver", "--output", "DP-1", "-output=HDMI-A-1", "--saver"}, w, error));
    EXPECT_TRUE(w.role == SurfaceRole::Saver && w.outputs == std::vector<std::string>({"DP-1", "HDMI-A-1"}));
    DisplayOptions d;
    ASSERT_TRUE(Parse({"--seed", "7", "-h", "--no-such-option"}, d, error));
    EXPECT_TRUE(d.help && d.seedGiven && d.seed == 7u) << "help ends the scan";
}

// Rows starting "gyrelace" or "gyrelace-wayland" are those programs', the
// others the renderer's: the scanner they share is tried through each.
TEST(ProgramOptions, RefuseBadInputNamingTheProblem)
{
    struct Case { Args args; const char* mention; };
    const Case cases[] = {
        {{"--colour", "3", "--ops", "x"}, "unknown option '--colour'"}, {{"--ops"}, "--ops needs a value"},
        {{"--seed", "4294967296", "--ops", "x"}, "--seed"}, {{"--size", "1024", "--ops", "x"}, "--size"},
        {{"--size", "65536x10", "--ops", "x"}, "--size"}, {{"--figures", "0", "--ops", "x"}, "--figures"},
        {{"--set", "Speed=3", "--ops", "x"}, "unknown value name 'Speed'"},
        {{"--set", "EndDelay", "--ops", "x"}, "NAME=VALUE"}, {{"--set", "EndDelay=ten", "--ops", "x"}, "'ten' is no"},
        {{"--set", "EndDelay=0x100000000", "--ops", "x"}, "is no"}, {{"--seed", "1"}, "nothing to write"},
        {{"--fps", "10", "--out", "a.png"}, "--fps is the rate of --animate"},
        {{"--size", "65535x65535", "--out", "big.png"}, "too large"},
        {{"--monitors", "800x600", "--ops", "x"}, "--monitors: '800x600'"},
        {{"--monitors", "800x600+0+0,", "--ops", "x"}, "--monitors: ''"},
        {{"--monitors", "40000x10+0+0,40000x10+40000+0", "--ops", "x"}, "wider"},
        {{"--size", "10x10", "--monitors", "8x8+0+0", "--ops", "x"}, "cannot both"},
        {{"gyrelace", "root"}, "unknown option 'root'"}, {{"gyrelace", "--square=1"}, "--square takes no value"},
        {{"gyrelace", "--no-colour-low"}, "unknown option '--no-colour-low'"},
        {{"gyrelace", "--window-id"}, "--window-id needs a value"},
        {{"gyrelace", "--window-id", "0"}, "--window-id: '0' is no window id"},
        {{"gyrelace", "--object-size", "501"}, "--object-size: '501' is not a whole number of 0..500"},
        {{"gyrelace", "--points-per-second", "0"}, "of 1..1000"},
        {{"gyrelace-wayland", "--output="}, "--output: '' is no output name"},
        {{"gyrelace-wayland", "--saver=1"}, "--saver takes no value"},
        {{"gyrelace-wayland", "--background", "--saver"}, "cannot both be given"},
    };
    for (const Case& c : cases) {
        RenderOptions render;
        DisplayOptions display;
        WaylandOptions wayland;
        std::string error;
        const std::string program = c.args[0];
        const Args args(c.args.begin() + (program.starts_with("gyrelace") ? 1 : 0), c.args.end());
        const bool accepted = program == "gyrelace"           ? Parse(args, display, error)
                              : program == "gyrelace-wayland" ? Parse(args, wayland, error)
                                                              : Parse(args, render, error);
        EXPECT_FALSE(accepted) << c.mention;
        EXPECT_NE(error.find(c.mention), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

}  // namespace
