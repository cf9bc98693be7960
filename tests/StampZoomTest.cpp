// How the stamp radius breathes along a figure: counted points and pixel
// steps, both starts, every phase count, and a radius of 0.
#include <gtest/gtest.h>

#include <vector>

#include "stamps/StampZoom.h"

namespace {

struct ZoomRun {
    FigureState figure;
    std::vector<int> radii;  // the radius each point 0..360 is drawn with
};

ZoomRun RunZoom(int radius, std::uint32_t level, std::uint32_t zoomOption)
{
    ZoomRun run;
    run.figure.radius = run.figure.maxRadius = radius;
    run.figure.zoomLevel = level;
    RandomGenerator random;
    SeedRandom(random, 3);
    SetUpZoom(run.figure, zoomOption, random);
    for (int p = 0; p <= 360; ++p) {
        run.figure.pointIndex = p;
        UpdateStampRadius(run.figure);
        run.radii.push_back(run.figure.radius);
    }
    return run;
}

TEST(Zoom, LowOnePhaseStartingSmallCountsPointsBetweenPixels)
{
    const ZoomRun run = RunZoom(40, ZoomLow, ZoomLow | ZoomPhase1 | ZoomStartSmall);
    EXPECT_FALSE(run.figure.zoomByPixels);
    EXPECT_EQ(run.figure.zoomStep, 23);  // ceil(360 / 16)
    EXPECT_EQ(run.radii[0], 26);         // 40 - 360 / 23 = 25, then the step at point 0
    EXPECT_EQ(run.radii[22], 26);
    EXPECT_EQ(run.radii[23], 27);
    EXPECT_EQ(run.radii[321], 39);
    EXPECT_EQ(run.radii[322], 40);
    EXPECT_EQ(run.radii[345], 40);
    EXPECT_EQ(run.radii[360], 40);
}

TEST(Zoom, MediumTwoPhasesStartingLargeTurnsAtPoint180)
{
    const ZoomRun run = RunZoom(40, ZoomMedium, ZoomMedium | ZoomPhase2 | ZoomStartLarge);
    EXPECT_EQ(run.figure.zoomStep, 7);  // ceil(180 / 28)
    EXPECT_EQ(run.radii[0], 39);
    EXPECT_EQ(run.radii[175], 14);
    EXPECT_EQ(run.radii[180], 14);  // reverses, but 180 is no multiple of 7
    EXPECT_EQ(run.radii[181], 14);
    EXPECT_EQ(run.radii[182], 15);
    EXPECT_EQ(run.radii[356], 39);
    EXPECT_EQ(run.radii[357], 40);
}

TEST(Zoom, VeryHighFourPhasesStepsPixelsPerPoint)
{
    const ZoomRun large = RunZoom(300, ZoomVeryHigh, ZoomVeryHigh | ZoomPhase4 | ZoomStartLarge);
    EXPECT_TRUE(large.figure.zoomByPixels);
    EXPECT_EQ(large.figure.zoomStep, 3);  // floor(297 / 90)
    const std::pair<int, int> expected[] = {{0, 297}, {89, 30},  {90, 33},  {179, 300},
                                            {180, 297}, {269, 30}, {270, 33}, {359, 300}, {360, 300}};
    for (auto [point, radius] : expected) EXPECT_EQ(large.radii[point], radius) << point;

    const ZoomRun small = RunZoom(300, ZoomVeryHigh, ZoomVeryHigh | ZoomPhase4 | ZoomStartSmall);
    EXPECT_EQ(small.radii[0], 6);  // floor(300 x 0.01) = 3, then 3 more
}

TEST(Zoom, PhaseAndStartDefaultsAndDrawnChoices)
{
    RandomGenerator random;
    SeedRandom(random, 11);
    const std::uint32_t before = random.state;
    EXPECT_EQ(ChooseZoomPhases(ZoomPhase4 | ZoomStartLarge, random), ZoomPhase4);
    EXPECT_EQ(ChooseZoomPhases(0, random), ZoomPhase4);
    EXPECT_EQ(ChooseZoomStart(ZoomStartLarge, random), ZoomStartLarge);
    EXPECT_EQ(ChooseZoomStart(0, random), ZoomStartLarge);
    EXPECT_EQ(random.state, before) << "defaults take no draw";

    std::uint32_t phases = 0, starts = 0;
    for (int i = 0; i < 200; ++i) {
        phases |= ChooseZoomPhases(ZoomPhase1 | ZoomPhase2 | ZoomPhase4, random);
        starts |= ChooseZoomStart(ZoomStartSmall | ZoomStartLarge, random);
        EXPECT_EQ(ChooseZoomPhases(ZoomPhase2, random), ZoomPhase2);
        EXPECT_EQ(ChooseZoomStart(ZoomStartSmall, random), ZoomStartSmall);
    }
    EXPECT_EQ(phases, ZoomPhase1 | ZoomPhase2 | ZoomPhase4);
    EXPECT_EQ(starts, ZoomStartSmall | ZoomStartLarge);

    // The phase draw comes before the start draw.
    RandomGenerator replay;
    SeedRandom(replay, 77);
    std::uint32_t phase;
    do phase = 1u << (NextRandom(replay) % 3 + 5);
    while (phase == ZoomPhase4);
    std::uint32_t start;
    do start = 1u << (NextRandom(replay) % 2 + 8);
    while (start != ZoomStartSmall);
    FigureState figure;
    figure.radius = figure.maxRadius = 40;
    figure.zoomLevel = ZoomLow;
    SeedRandom(random, 77);
    SetUpZoom(figure, ZoomLow | ZoomPhase1 | ZoomPhase2 | ZoomStartSmall, random);
    EXPECT_EQ(figure.zoomPhases, phase);
    EXPECT_FALSE(figure.shrinking);
    EXPECT_EQ(random.state, replay.state);
}

TEST(Zoom, RadiusZeroNeverDividesAndStaysZero)
{
    const ZoomRun large = RunZoom(0, ZoomHigh, ZoomHigh | ZoomStartLarge);
    EXPECT_TRUE(large.figure.zoomByPixels);
    EXPECT_EQ(large.figure.zoomStep, 0);

    FigureState figure;
    figure.zoomLevel = ZoomHigh;
    RandomGenerator random;
    SeedRandom(random, 1);
    SetUpZoom(figure, ZoomHigh | ZoomStartSmall, random);
    EXPECT_EQ(figure.radius, 1);  // raised for point 0's mapping
    figure.pointIndex = 0;
    UpdateStampRadius(figure);
    EXPECT_EQ(figure.radius, 0);  // and clamped back to the maximum
}

TEST(Zoom, EachFigureSetsItsOwnStepMode)
{
    FigureState figure;
    figure.zoomLevel = ZoomVeryHigh;
    figure.radius = figure.maxRadius = 300;
    RandomGenerator random;
    SeedRandom(random, 2);
    SetUpZoom(figure, ZoomVeryHigh | ZoomPhase4, random);
    ASSERT_TRUE(figure.zoomByPixels);

    figure.zoomLevel = ZoomLow;
    figure.radius = figure.maxRadius = 40;
    SetUpZoom(figure, ZoomLow | ZoomPhase4, random);
    EXPECT_FALSE(figure.zoomByPixels);
    EXPECT_EQ(figure.zoomStep, 6);  // ceil(90 / 16)
    EXPECT_TRUE(figure.shrinking);
}

}  // namespace
