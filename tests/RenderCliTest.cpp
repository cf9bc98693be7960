// gyrelace-render's command line: what it accepts, what it refuses, and
// that a refused command leaves files alone and a seed always gives the
// same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "tools/RenderOptions.h"

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
                       "--set=ObjectShape=0x1FE", "--set", "connect=1", "--ops", "-", "--trace", "t.csv", "--out",
                       "p.png"},
                      o, error))
        << error;
    EXPECT_TRUE(o.seedGiven);
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.width, 1920);
    EXPECT_EQ(o.height, 1080);
    EXPECT_EQ(o.figures, 3);
    EXPECT_EQ(o.settings.radiusFactor, 0.29);
    EXPECT_EQ(o.settings.objectShape, ShapeAll);
    EXPECT_EQ(o.settings.joinTheDots, 1);
    EXPECT_EQ(o.opsPath, "-");
    EXPECT_EQ(o.tracePath, "t.csv");
    EXPECT_EQ(o.outPath, "p.png");
}

TEST(RenderOptions, SetGoesThroughTheStoredValueChecks)
{
    RenderOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--set", "ImagesPerSec=0", "--set", "EndDelay=0xFFFFFFFF", "--set", "ColourOption=31",
                       "--ops", "x"},
                      o, error));
    EXPECT_EQ(o.settings.timerInterval, 20u);
    EXPECT_EQ(o.settings.endDelay, 0);
    EXPECT_EQ(o.settings.colourOption, ColourHigh);
}

TEST(RenderOptions, RefusesBadInputNamingTheProblem)
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
    };
    for (const Case& c : cases) {
        RenderOptions o;
        std::string error;
        EXPECT_FALSE(Parse(c.args, o, error)) << c.mention;
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

TEST(RenderTool, TheSameSeedGivesByteIdenticalOutputs)
{
    const std::string dir = ::testing::TempDir();
    std::string outputs[2];
    for (int i = 0; i < 2; ++i) {
        const std::string stem = dir + "/same" + std::to_string(i);
        const ToolRun run = RunRenderer("--seed 12345 --size 1024x768 --figures 2 --ops - --trace " + stem +
                                    ".csv --out " + stem + ".png --set ObjectShape=0x1FE --set ZoomOption=0x3FE");
        ASSERT_EQ(run.exitCode, 0) << run.output;
        outputs[i] = run.output + Slurp(stem + ".csv") + Slurp(stem + ".png");
    }
    EXPECT_EQ(outputs[0], outputs[1]);

    const std::string trace = Slurp(dir + "/same0.csv");
    EXPECT_EQ(trace.rfind("figure,point,curve_x,curve_y,mirror_x,mirror_y,shape,rotation,zoom_level,x,y,radius,colour\n", 0), 0u);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 1 + 2 * 361);
    std::istringstream ops(outputs[0]);
    int erases = 0;
    for (std::string line; std::getline(ops, line) && line.rfind("figure,", 0) != 0;) erases += line == "erase";
    EXPECT_EQ(erases, 2) << "one erase after each figure";
}

}  // namespace
