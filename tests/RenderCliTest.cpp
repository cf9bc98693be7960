// gyrelace-render's command line: what it accepts, what it and the display
// mode's refuse, and that a refused command leaves files alone and a seed
// always gives the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "render/RenderOptions.h"
#include "x11/DisplayOptions.h"

namespace {

bool Parse(std::vector<const char*> args, RenderOptions& options, std::string& error)
{
    args.insert(args.begin(), "gyrelace-render");
    return ParseRenderOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(RenderOptions, AcceptsEachOptionInBothSpellings)
{
    RenderOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--seed", "4294967295", "--size=1920x1080", "--figures", "3", "--set", "RadiusFactor=29",
                       "--set=ObjectShape=0x1FE", "--set", "connect=1", "--set", "EndDelay=0xFFFFFFFF", "--ops", "-",
                       "--trace", "t.csv", "--out", "p.png"},
                      o, error))
        << error;
    EXPECT_TRUE(o.seedGiven && o.seed == 4294967295u && o.figures == 3);
    EXPECT_TRUE(o.width == 1920 && o.height == 1080 && o.monitors.empty());
    EXPECT_TRUE(o.settings.radiusFactor == 0.29 && o.settings.objectShape == ShapeAll && o.settings.joinTheDots == 1);
    EXPECT_EQ(o.settings.endDelay, 0) << "through the stored values' checks";
    EXPECT_TRUE(o.opsPath == "-" && o.tracePath == "t.csv" && o.outPath == "p.png");

    // Monitors anywhere on the desktop; the picture starts at their top left.
    ASSERT_TRUE(Parse({"--monitors", "800x600+0+0,640x480-640+100", "--ops", "x"}, o, error)) << error;
    EXPECT_TRUE(o.width == 1440 && o.height == 600);
    ASSERT_EQ(o.monitors.size(), 2u);
    EXPECT_TRUE(o.monitors[0].left == 640 && o.monitors[0].top == 0 && o.monitors[0].width == 800);
    EXPECT_TRUE(o.monitors[1].left == 0 && o.monitors[1].top == 100 && o.monitors[1].height == 480);
}

// Rows starting "gyrelace" are the display mode's, the others the renderer's.
TEST(CommandLines, RefuseBadInputNamingTheProblem)
{
    struct Case {
        std::vector<const char*> args;
        const char* mention;
    };
    const Case cases[] = {
        {{"--colour", "3", "--ops", "x"}, "unknown option '--colour'"},
        {{"--ops"}, "--ops needs a value"},
        {{"--seed", "-1", "--ops", "x"}, "--seed"},
        {{"--seed", "4294967296", "--ops", "x"}, "--seed"},
        {{"--size", "0x768", "--ops", "x"}, "--size"},
        {{"--size", "1024", "--ops", "x"}, "--size"},
        {{"--size", "1024x768x2", "--ops", "x"}, "--size"},
        {{"--size", "65536x10", "--ops", "x"}, "--size"},
        {{"--figures", "0", "--ops", "x"}, "--figures"},
        {{"--set", "Speed=3", "--ops", "x"}, "unknown value name 'Speed'"},
        {{"--set", "EndDelay", "--ops", "x"}, "NAME=VALUE"},
        {{"--set", "EndDelay=ten", "--ops", "x"}, "'ten' is no"},
        {{"--set", "EndDelay=0x", "--ops", "x"}, "'0x' is no"},
        {{"--set", "EndDelay=0x100000000", "--ops", "x"}, "is no"},
        {{"--ops", "-", "--trace", "-"}, "standard output"},
        {{"--ops", "a", "--out", "a"}, "same file"},
        {{"--seed", "1"}, "nothing to write"},
        {{"--size", "65535x65535", "--out", "big.png"}, "too large"},
        {{"--monitors", "800x600", "--ops", "x"}, "--monitors: '800x600'"},
        {{"--monitors", "800x600+0+0,", "--ops", "x"}, "--monitors: ''"},
        {{"--monitors", "40000x10+0+0,40000x10+40000+0", "--ops", "x"}, "wider"},
        {{"--size", "10x10", "--monitors", "8x8+0+0", "--ops", "x"}, "cannot both"},
        {{"gyrelace", "root"}, "unknown option 'root'"},
        {{"gyrelace", "--no-colour-low"}, "unknown option '--no-colour-low'"},
        {{"gyrelace", "--window-id"}, "--window-id needs a value"},
        {{"gyrelace", "--window-id", "0"}, "--window-id: '0' is no window id"},
        {{"gyrelace", "--window-id", "0x1G"}, "--window-id"},
        {{"gyrelace", "--seed", "4294967296"}, "--seed"},
        {{"gyrelace", "--object-size", "501"}, "--object-size: '501' is not a whole number of 0..500"},
        {{"gyrelace", "--points-per-second", "0"}, "of 1..1000"},
        {{"gyrelace", "--completion-delay", "-1"}, "of 0..60"},
        {{"gyrelace", "--square=1"}, "--square takes no value"},
    };
    for (const Case& c : cases) {
        RenderOptions render;
        DisplayOptions display;
        std::string error;
        const bool accepted = std::string(c.args[0]) == "gyrelace"
                                  ? ParseDisplayOptions(static_cast<int>(c.args.size()), c.args.data(), display, error)
                                  : Parse(c.args, render, error);
        EXPECT_FALSE(accepted) << c.mention;
        EXPECT_NE(error.find(c.mention), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

struct ToolRun {
    int exitCode;
    std::string output;
};

ToolRun RunRenderer(const std::string& arguments)
{
    const std::string command = std::string(GYRELACE_RENDER_PATH) + " " + arguments + " 2>&1";
    ToolRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RenderTool, BadInputExitsTwoAndLeavesOutputFilesUntouched)
{
    const std::string dir = ::testing::TempDir();
    const std::string kept = dir + "/kept.csv";
    std::ofstream(kept) << "precious";
    const ToolRun run = RunRenderer("--seed 1 --trace " + kept + " --ops " + dir + "/new.ops --size 0x0");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.output.rfind("gyrelace-render: --size", 0), 0u) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1);
    EXPECT_EQ(Slurp(kept), "precious");
    EXPECT_FALSE(std::ifstream(dir + "/new.ops").good());
}

// The trace and operations are pinned by the known answers; the picture
// must come out the same byte for byte too.
TEST(RenderTool, TheSameSeedGivesTheSamePicture)
{
    const std::string dir = ::testing::TempDir();
    std::string pictures[2];
    for (std::string& picture : pictures) {
        const ToolRun run = RunRenderer("--seed 12345 --figures 2 --set ObjectShape=0x1FE --set ZoomOption=0x3FE "
                                        "--out " + dir + "/same.png");
        ASSERT_EQ(run.exitCode, 0) << run.output;
        picture = Slurp(dir + "/same.png");
    }
    EXPECT_GT(pictures[0].size(), 1000u);
    EXPECT_EQ(pictures[0], pictures[1]);
}

}  // namespace
