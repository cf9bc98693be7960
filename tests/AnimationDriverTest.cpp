// The figure sequence: the order of random draws, the drawing styles, the
// figure's end, odd window sizes, and determinism.
#include <gtest/gtest.h>

#include <memory>

#include "anim/AnimationDriver.h"
#include "anim/Curves.h"
#include "anim/FigureChoices.h"
#include "anim/RecordingSurface.h"
#include "stamps/StampZoom.h"
#include "tests/CaptureSurface.h"

namespace {

std::unique_ptr<Animation> Started(const SaverSettings& settings, std::uint32_t seed, int width, int height)
{
    auto animation = std::make_unique<Animation>();
    animation->settings = settings;
    StartAnimation(*animation, seed);
    ResizeAnimation(*animation, width, height);
    return animation;
}

// Draws the rest of the current figure; returns what each point drew.
std::vector<PointDrawn> FinishFigure(Animation& animation, DrawingSurface& surface)
{
    std::vector<PointDrawn> points;
    do points.push_back(DrawNextPoint(animation, surface));
    while (!points.back().figureComplete);
    return points;
}

SaverSettings Everything()
{
    SaverSettings settings;
    settings.objectShape = ShapeAll;
    settings.objectRotation = RotationAll;
    settings.zoomOption = ZoomAll;
    return settings;
}

TEST(Driver, RandomDrawsFollowTheFixedOrderAcrossFigures)
{
    for (std::uint32_t seed : {1u, 500u, 0xDEADBEEFu}) {
        const SaverSettings settings = Everything();
        auto animation = Started(settings, seed, 800, 600);
        CaptureSurface surface;

        // Creation: three colour channels, then the pair.
        RandomGenerator replay;
        SeedRandom(replay, seed);
        FigureState expected;
        InitPenColour(expected, replay);
        ChooseCurvePair(expected, replay);
        ASSERT_EQ(animation->random.state, replay.state);

        for (int figure = 0; figure < 4; ++figure) {
            // A figure start: mirrors, shape, rotation, level, then phases and start.
            expected.clientWidth = 798;
            expected.clientHeight = 598;
            expected.radius = expected.maxRadius = 47;
            GenerateCurves(expected, animation->tables, replay);
            expected.shape = ChooseShape(settings.objectShape, replay);
            expected.rotation = ChooseRotation(settings.objectRotation, replay);
            expected.zoomLevel = ChooseZoomLevel(settings.zoomOption, replay);
            if (expected.zoomLevel != 0) SetUpZoom(expected, settings.zoomOption, replay);

            DrawNextPoint(*animation, surface);
            const FigureState& actual = animation->figure;
            EXPECT_EQ(actual.curveTypeX, expected.curveTypeX);
            EXPECT_EQ(actual.mirrorX, expected.mirrorX);
            EXPECT_EQ(actual.mirrorY, expected.mirrorY);
            EXPECT_EQ(actual.shape, expected.shape);
            EXPECT_EQ(actual.rotation, expected.rotation);
            EXPECT_EQ(actual.zoomLevel, expected.zoomLevel);
            EXPECT_EQ(actual.zoomPhases, expected.zoomPhases);
            EXPECT_EQ(actual.shrinking, expected.shrinking);
            ASSERT_EQ(animation->random.state, replay.state) << "seed " << seed << " figure " << figure;

            // No draw happens between points; the next pair comes at the end.
            FinishFigure(*animation, surface);
            ASSERT_EQ(animation->random.state, replay.state);
            BeginNextFigure(*animation);
            ChooseCurvePair(expected, replay);
            ASSERT_EQ(animation->random.state, replay.state);
        }
    }
}

TEST(Driver, SizeZeroDrawsSinglePixelsInTheTicksColour)
{
    SaverSettings settings;
    settings.radiusFactor = 0.0;
    auto animation = Started(settings, 9, 640, 480);
    CaptureSurface surface;
    const std::vector<PointDrawn> points = FinishFigure(*animation, surface);
    ASSERT_EQ(points.size(), 361u);
    ASSERT_EQ(surface.ops.size(), 2u * 361u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const DrawOp& pen = surface.ops[2 * i];
        const DrawOp& pixel = surface.ops[2 * i + 1];
        EXPECT_EQ(pen, (DrawOp{"pen", {points[i].colour}}));
        EXPECT_EQ(pixel, (DrawOp{"pixel", {points[i].x, points[i].y, points[i].colour}}));
        EXPECT_EQ(points[i].radius, 0);
    }
    EXPECT_TRUE(points.back().figureComplete);
    EXPECT_EQ(DrawNextPoint(*animation, surface).figureComplete, true);
    EXPECT_EQ(surface.ops.size(), 2u * 361u) << "nothing more until the next figure begins";
}

TEST(Driver, SizeZeroWithConnectDotsIsAClosedPolylineFromTheStartPosition)
{
    SaverSettings settings;
    settings.radiusFactor = 0.0;
    settings.joinTheDots = 1;
    auto animation = Started(settings, 10, 640, 480);
    CaptureSurface surface;
    const std::vector<PointDrawn> points = FinishFigure(*animation, surface);
    const FigureState& figure = animation->figure;

    EXPECT_EQ(surface.ops[1], (DrawOp{"move", {figure.startX, figure.startY}}));
    EXPECT_EQ(surface.ops[2], (DrawOp{"line", {figure.startX + 1, figure.startY + 1}}));
    const std::vector<DrawOp> tail(surface.ops.end() - 3, surface.ops.end());
    EXPECT_EQ(tail, (std::vector<DrawOp>{{"pen", {points[360].colour}},
                                         {"line", {points[360].x, points[360].y}},
                                         {"line", {points[0].x, points[0].y}}}));
    EXPECT_EQ(surface.ops.size(), 2u * 361u + 2u) << "a pen and a point per tick, the move and the closing line";
}

TEST(Driver, StampsWithConnectDotsLeaveTheFigureOpen)
{
    SaverSettings settings;
    settings.joinTheDots = 1;
    settings.objectShape = ShapeSquare;
    auto animation = Started(settings, 11, 640, 480);
    CaptureSurface surface;
    FinishFigure(*animation, surface);
    // The last point draws its four spokes and nothing closes the figure.
    const std::vector<DrawOp> last(surface.ops.end() - 9, surface.ops.end());
    EXPECT_EQ(last[0].name, "pen");
    for (std::size_t i = 1; i < last.size(); ++i) EXPECT_EQ(last[i].name, i % 2 ? "move" : "line");
}

TEST(Driver, StartSmallRaisesAZeroRadiusForPointZeroOnly)
{
    SaverSettings settings;
    settings.radiusFactor = 0.0;
    settings.zoomOption = ZoomHigh | ZoomStartSmall;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        auto animation = Started(settings, seed, 640, 480);
        CaptureSurface surface;
        const std::vector<PointDrawn> points = FinishFigure(*animation, surface);
        if (animation->figure.shrinking) continue;  // this figure started large
        // Point 0 maps with offset 1 and is stamped at the clamped radius 0.
        EXPECT_EQ(surface.ops[1].name, "arc");
        EXPECT_EQ(surface.ops[1].args[0], points[0].x);
        EXPECT_EQ(surface.ops[3].name, "pixel");
        EXPECT_EQ(points[1].radius, 0);
        return;
    }
    FAIL() << "no figure started small";
}

TEST(Driver, TicksBeforeAnySizeAllLandOnPixelOneOne)
{
    auto animation = std::make_unique<Animation>();
    animation->settings = Everything();
    StartAnimation(*animation, 3);
    CaptureSurface surface;
    for (const PointDrawn& p : FinishFigure(*animation, surface)) {
        EXPECT_EQ(p.x, 1);
        EXPECT_EQ(p.y, 1);
    }
}

TEST(Driver, TinyAndHugeWindowsNeitherOverflowNorCrash)
{
    SaverSettings settings = Everything();
    settings.joinTheDots = 1;
    for (double factor : {0.08, 0.5, 5.0, 1e300, -3.0}) {
        settings.radiusFactor = factor;
        for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 2}, {0, 500}, {2, 768}, {65535, 1}, {65535, 65535}}) {
            auto animation = Started(settings, 4, w, h);
            EXPECT_GE(animation->figure.radius, 0);
            RecordingSurface surface;
            for (int figure = 0; figure < 2; ++figure) {
                const PointDrawn last = FinishFigure(*animation, surface).back();
                EXPECT_EQ(last.point, 360);
                BeginNextFigure(*animation);
            }
            if (w == 2) {
                EXPECT_EQ(animation->figure.radius, 0);
            }
        }
    }
}

TEST(Driver, AFigureFillsTheWindowLessOneRadiusAndMirrorsWhenTheRadiusIsTooWide)
{
    struct Case {
        double factor;
        int low, high;  // expected pixel span on the y axis for a 600 x 400 window
    };
    // 8 %: radius 31, y from 32 to 398 - 31 + 1. 60 %: radius 238 > 398 / 2,
    // so the span is |398 - 476| = 78 pixels, still about the centre.
    for (const Case c : {Case{0.08, 32, 368}, Case{0.6, 161, 239}}) {
        SaverSettings settings;
        settings.radiusFactor = c.factor;
        auto animation = Started(settings, 21, 600, 400);
        CaptureSurface surface;
        int low = 1 << 30, high = -(1 << 30);
        for (const PointDrawn& p : FinishFigure(*animation, surface)) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
        EXPECT_LE(std::abs(low - c.low), 1) << c.factor;
        EXPECT_LE(std::abs(high - c.high), 1) << c.factor;
    }
}

std::string LogOf(std::uint32_t seed, int figures)
{
    auto animation = Started(Everything(), seed, 1024, 768);
    RecordingSurface surface;
    for (int figure = 0; figure < figures; ++figure) {
        FinishFigure(*animation, surface);
        BeginNextFigure(*animation);
        surface.Erase();
    }
    return surface.log;
}

TEST(Driver, SameSeedSameLogAndSequencesDoNotShareState)
{
    const std::string first = LogOf(12345, 3);
    EXPECT_EQ(first, LogOf(12345, 3));
    EXPECT_NE(first, LogOf(12346, 3));

    auto a = Started(Everything(), 12345, 1024, 768);
    auto b = Started(Everything(), 777, 1024, 768);
    RecordingSurface logA, logB;
    for (int figure = 0; figure < 3; ++figure) {
        bool doneA = false, doneB = false;
        while (!doneA || !doneB) {
            if (!doneA) doneA = DrawNextPoint(*a, logA).figureComplete;
            if (!doneB) doneB = DrawNextPoint(*b, logB).figureComplete;
        }
        BeginNextFigure(*a);
        BeginNextFigure(*b);
        logA.Erase();
        logB.Erase();
    }
    EXPECT_EQ(logA.log, first);
    EXPECT_EQ(logB.log, LogOf(777, 3));
}

}  // namespace
