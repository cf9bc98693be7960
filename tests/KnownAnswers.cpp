// The figure engine pinned by known answers: each row is a gyrelace-render
// command line with the FNV-1a (64-bit) digests of the --trace and --ops files
// it writes (to check a row by hand) and of its picture's pixels (COLORREFs
// row by row: only these show where a monitor's clip cuts a stamp), checked
// point for point against an independent implementation. The table runs
// natively, under Wine of each width and as WebAssembly, whose maths libraries
// differ in the last bits but must draw the same. Together the rows draw
// every curve, shape, rotation, zoom, style and colour floor.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "anim/Cube.h"
#include "anim/Curves.h"
#include "anim/FigureChoices.h"
#include "render/RecordFigures.h"
#include "render/RenderOptions.h"

namespace {

struct KnownAnswer { const char* arguments; std::uint64_t trace, ops, picture; };

// Each comment says what its row adds to the rows above it.
const KnownAnswer knownAnswers[] = {
    // curves x 2 3 5 9 12 15 16 18 26 28 30 37 38 39 45 48, y 1 7 9 11 12 14 16 21 22 25 35 38 39 42 43 47;
    // circles; colour floor 10
    {"--seed 324692 --size 1024x768 --figures 16", 0xC395EF41E84C337D, 0x37B287ADBB10ABE0, 0xD30E3BED504F8971},
    // curves x 0 1 6 10 13 14 17 19 21 22 24 31 32 33 34 40 41 42 44 46 47, y 0 2 3 4 5 6 15 17 18 19 20 23 24
    // 27 28 29 30 31 32 34 37 40 41 44 45 48 49; outlines of every shape and rotation but square acw, pyramid none
    {"--seed 174231 --size 1280x720 --figures 40 --set shape=0x1FE --set rotation=0xE",
     0x12AEE495C3B055C6, 0xBCFAED9765B17AD1, 0xEE7075AB7AC4602A},
    // curves x 4 7 11 20 23 27 29 43 49, y 8 10 13 26 33 36 46; spokes of every shape; colour floor 30
    {"--seed 47527 --size 1024x768 --figures 40 --set shape=0x1FE --set rotation=0xE --set connect=1 --set colour=30",
     0x8E275CF14033FB4A, 0xFEBFD300A0501255, 0xDB3BDBE674100DF8},
    // curves x 8 25 35 36; every zoom level and phase count, small and large starts counting pixels (all levels)
    // and points (low, medium); colour floor 50
    {"--seed 7932 --size 1920x1080 --figures 30 --set shape=0x1FE --set rotation=0xE --set zoom=0x3FE --set size=40 "
     "--set colour=50",
     0xD7775ACC8261CB8F, 0x338A1F8528922BA5, 0x59C8F4FF28823291},
    // high and very high zoom counting points, high in four phases
    {"--seed 15851 --size 800x600 --figures 30 --set shape=0x1FE --set rotation=0xE --set zoom=0x3FE --set size=10 "
     "--set connect=1",
     0x2F48F4C7AE1FD829, 0x2DA249FCFAED4BFE, 0x3885923544CEA785},
    // single pixels
    {"--seed 7932 --size 640x480 --figures 12 --set size=0",
     0xBBDC90C81044496F, 0x8858AA42787D278F, 0x088DBD65BD434037},
    // a closed polyline
    {"--seed 7932 --size 640x480 --figures 12 --set size=0 --set connect=1 --set colour=50",
     0xDA9F1CB197B851AD, 0xB26616AE5AF20875, 0x94D757BED3A9B5C5},
    // a radius of 0 raised to 1 for point 0 by a small start
    {"--seed 7932 --size 640x480 --figures 6 --set size=0 --set zoom=0x31E",
     0xBE0C59DB09678319, 0xC649419CE1AD7E4E, 0x90C5C066F908333F},
    // stamps wider than half the window: mirrored figures, stamps across every edge
    {"--seed 600 --size 600x400 --figures 8 --set size=300 --set shape=0x1FE --set rotation=0xE --set connect=1",
     0xF25F9A329B9189E8, 0x6066A1ED8D0D99B2, 0xE5245C3514BE747B},
    // a window 3 pixels wide: radius 0, every point in one column
    {"--seed 3 --size 3x700 --figures 3 --set shape=0x1FE --set zoom=0x3FE",
     0x44248C26BCF45B54, 0xB4C2C7882207F490, 0x72E36DEFBB9A33B9},
    // two monitors, each with its own seed; outlines square acw, pyramid none
    {"--seed 110879 --monitors 800x600+0+0,640x480+800+0 --figures 4 --set shape=0x1FE --set rotation=0xE",
     0xFC104442B83605BC, 0xC7CFA69EE6112C84, 0xAF509FEACB2527C8},
    // monitors sharing a left edge, listed bottom first, drawn top first; stamps wider than a monitor, cut
    // at its edges
    {"--seed 4242 --monitors 640x480+0+0,500x300+640+400,500x400+640+0 --figures 3 --set size=150 --set shape=0x1FE "
     "--set rotation=0xE",
     0x07301511BA7144CC, 0x16F046792CDACCFA, 0xAC4C98E867E3069A},
    // a figure that degree tables computed by WebAssembly's sin and cos (not glibc's) draw otherwise
    {"--seed 17 --size 1920x1080 --figures 2", 0x76C259D046129B6D, 0xAD87B154F1DF35F1, 0x0D1C557124711E9D},
};

std::uint64_t Fnv1a(std::uint64_t hash, const std::string& text)
{
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return hash;
}
constexpr std::uint64_t fnvStart = 0xCBF29CE484222325u;

class DigestSink final : public FigureSink {
public:
    DigestSink() { wantOps = wantTrace = wantPicture = true; }
    bool Ops(const std::string& text) override { return (ops = Fnv1a(ops, text)), true; }
    bool Trace(const std::string& text) override { return (trace = Fnv1a(trace, text)), true; }
    bool Picture(const RasterSurface& raster) override
    {
        for (int y = 0; y < raster.Height(); ++y) {
            std::string row;
            for (int x = 0; x < raster.Width(); ++x) {
                const std::uint32_t colour = raster.PixelAt(x, y);
                row.append({static_cast<char>(colour), static_cast<char>(colour >> 8), static_cast<char>(colour >> 16)});
            }
            picture = Fnv1a(picture, row);
        }
        return true;
    }
    std::uint64_t ops = fnvStart, trace = fnvStart, picture = fnvStart;
};

RenderOptions Parse(const char* arguments)
{
    std::vector<std::string> words{"gyrelace-render"};
    std::istringstream in(std::string(arguments) + " --ops digest");
    for (std::string word; in >> word;) words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    RenderOptions options;
    std::string error;
    EXPECT_TRUE(ParseRenderOptions(static_cast<int>(argv.size()), argv.data(), options, error)) << error;
    return options;
}

TEST(KnownAnswers, EveryRowDrawsItsDigests)
{
    for (const KnownAnswer& row : knownAnswers) {
        DigestSink digests;
        ASSERT_TRUE(RecordFigures(RequestOf(Parse(row.arguments)), digests));
        EXPECT_EQ(digests.trace, row.trace) << std::hex << "trace of " << row.arguments << ": 0x" << digests.trace;
        EXPECT_EQ(digests.ops, row.ops) << std::hex << "ops of " << row.arguments << ": 0x" << digests.ops;
        EXPECT_EQ(digests.picture, row.picture) << std::hex << "picture of " << row.arguments << ": 0x" << digests.picture;
    }
}

// The pairs of curve types that are never combined, all 2500 of them.
TEST(KnownAnswers, CurvePairExclusions)
{
    std::string matrix;
    for (int a = 0; a < curveTypeCount; ++a) {
        for (int b = 0; b < curveTypeCount; ++b) matrix += IsExcludedPair(a, b) ? '1' : '0';
    }
    EXPECT_EQ(Fnv1a(fnvStart, matrix), 0xE92CA9C53F2725EBu);
}

// Curve 9's cube, rounded once: the same doubles on every target, and
// glibc's pow(s, 3.0) for every sine the curves read (MinGW's pow differs
// from it in the last bit for some of them).
TEST(KnownAnswers, TheCubesOfTheTableSines)
{
    TrigTables tables;
    BuildTrigTables(tables);
    std::string bits;
    for (const double s : tables.sineTable) {
        const double cube = CubeOf(s);
        bits.append(reinterpret_cast<const char*>(&cube), sizeof cube);
#ifdef __GLIBC__
        EXPECT_EQ(cube, std::pow(s, 3.0)) << s;
#endif
    }
    EXPECT_EQ(Fnv1a(fnvStart, bits), 0x26B25BA69400F184u);
}

}  // namespace
