// The shape stamps: corners at rest and turning both ways, outlines, the
// spokes of Connect Dots and the first stamp of a figure inside the stars.
#include <gtest/gtest.h>

#include <vector>

#include "stamps/ShapeStamps.h"
#include "tests/CaptureSurface.h"

namespace {

using Corners = std::vector<std::pair<long long, long long>>;

struct StampBench {
    StampBench()
    {
        BuildTrigTables(tables);
        figure.radius = 10;
    }

    StampContext Context(bool connectDots) { return StampContext{surface, figure, vertices, tables, connectDots}; }

    // The corners of an outline: the move, then every line but the closing one.
    Corners Outline(void (*stamp)(const StampContext&, int, int), int cx = 0, int cy = 0)
    {
        surface.ops.clear();
        stamp(Context(false), cx, cy);
        Corners corners;
        for (std::size_t i = 0; i + 1 < surface.ops.size(); ++i) {
            corners.emplace_back(surface.ops[i].args[0], surface.ops[i].args[1]);
        }
        EXPECT_EQ(surface.ops.front().name, "move");
        EXPECT_EQ(surface.ops.back(), (DrawOp{"line", {corners[0].first, corners[0].second}})) << "closed";
        return corners;
    }

    TrigTables tables;
    FigureState figure;
    StampVertices vertices{};
    CaptureSurface surface;
};

TEST(Stamps, CornersAtRest)
{
    StampBench bench;
    bench.figure.rotation = RotationNone;
    bench.figure.pointIndex = 123;  // does not turn a stamp at rest
    EXPECT_EQ(bench.Outline(StampSquare), (Corners{{7, 7}, {-7, 7}, {-7, -7}, {7, -7}}));
    EXPECT_EQ(bench.Outline(StampDiamond), (Corners{{10, 0}, {0, 10}, {-10, 0}, {0, -10}}));
    EXPECT_EQ(bench.Outline(StampTriangle), (Corners{{0, 10}, {-8, -4}, {8, -4}}));
    EXPECT_EQ(bench.Outline(StampPyramid), (Corners{{8, 4}, {-8, 4}, {0, -10}}));
    EXPECT_EQ(bench.Outline(StampFourPointStar),
              (Corners{{10, 0}, {3, 3}, {0, 10}, {-3, 3}, {-10, 0}, {-3, -3}, {0, -10}, {3, -3}}));
    EXPECT_EQ(bench.Outline(StampSquare, 100, 50), (Corners{{107, 57}, {93, 57}, {93, 43}, {107, 43}}));
}

TEST(Stamps, CornersTurningClockwiseAndAntiClockwise)
{
    StampBench bench;
    bench.figure.rotation = RotationClockwise;
    bench.figure.pointIndex = 30;
    EXPECT_EQ(bench.Outline(StampSquare), (Corners{{2, 9}, {-9, 2}, {-2, -9}, {9, -2}}));

    bench.figure.rotation = RotationAntiClockwise;
    bench.figure.pointIndex = 0;
    EXPECT_EQ(bench.Outline(StampSquare), (Corners{{7, -7}, {-7, -7}, {-7, 7}, {7, 7}}));
    EXPECT_EQ(bench.Outline(StampTriangle), (Corners{{0, 10}, {8, -4}, {-8, -4}}));
    EXPECT_EQ(bench.Outline(StampDiamond), (Corners{{-10, 0}, {0, 10}, {10, 0}, {0, -10}}));

    // Anti-clockwise turns the other way on screen: a square corner at 45
    // degrees moves up, not down, as the points advance.
    bench.figure.pointIndex = 30;
    EXPECT_EQ(bench.Outline(StampSquare).front(), (std::pair<long long, long long>{2, -9}));

    for (std::uint32_t rotation : {RotationClockwise, RotationAntiClockwise}) {
        for (auto stamp : {StampSquare, StampDiamond, StampTriangle, StampPyramid, StampFourPointStar}) {
            bench.figure.rotation = rotation;
            bench.figure.pointIndex = 0;
            const Corners start = bench.Outline(stamp);
            bench.figure.pointIndex = 360;
            EXPECT_EQ(bench.Outline(stamp), start) << "a full turn over the figure";
        }
    }
}

TEST(Stamps, RadiusOneStarHasItsInnerCornersOnTheCentre)
{
    StampBench bench;
    bench.figure.radius = 1;
    const Corners corners = bench.Outline(StampFourPointStar, 5, 5);
    for (int i = 1; i < 8; i += 2) EXPECT_EQ(corners[static_cast<std::size_t>(i)], (std::pair<long long, long long>{5, 5}));
}

TEST(Stamps, CircleIsOneFullArcWhateverTheMode)
{
    StampBench bench;
    for (std::uint32_t shape : {ShapeCircle, 0u, 0x200u, 0x3u}) {
        for (bool connect : {false, true}) {
            bench.figure.shape = shape;
            bench.figure.firstStamp = true;
            bench.surface.ops.clear();
            StampShape(bench.Context(connect), 50, 60);
            ASSERT_EQ(bench.surface.ops.size(), 1u);
            EXPECT_EQ(bench.surface.ops[0], (DrawOp{"arc", {40, 50, 60, 70, 40, 60, 40, 60}}));
            EXPECT_TRUE(bench.figure.firstStamp) << "a circle leaves the flag alone";
        }
    }
}

TEST(Stamps, SpokesJoinEachCornerToTheSameCornerOfThePreviousStamp)
{
    StampBench bench;
    bench.figure.shape = ShapeSquare;
    bench.figure.rotation = RotationNone;
    bench.figure.firstStamp = true;
    StampShape(bench.Context(true), 0, 0);
    EXPECT_TRUE(bench.surface.ops.empty()) << "the first stamp only records its corners";
    EXPECT_FALSE(bench.figure.firstStamp);

    StampShape(bench.Context(true), 5, 1);
    const std::vector<DrawOp> spokes = {
        {"move", {7, 7}},   {"line", {12, 8}},  {"move", {-7, 7}},  {"line", {-2, 8}},
        {"move", {-7, -7}}, {"line", {-2, -6}}, {"move", {7, -7}},  {"line", {12, -6}},
    };
    EXPECT_EQ(bench.surface.ops, spokes);
}

TEST(Stamps, CompositeStarsSkipTheirWholeFirstStampThenDrawBothHalves)
{
    struct Case {
        std::uint32_t shape;
        std::size_t spokeOps;
    };
    for (const Case c : {Case{ShapeStar6, 12}, Case{ShapeStar8, 16}}) {
        StampBench bench;
        bench.figure.shape = c.shape;
        bench.figure.rotation = RotationClockwise;
        // Corners left over from another figure must not be joined.
        bench.figure.firstStamp = true;
        bench.figure.pointIndex = 0;
        StampShape(bench.Context(true), 100, 100);
        EXPECT_TRUE(bench.surface.ops.empty()) << c.shape;
        EXPECT_FALSE(bench.figure.firstStamp);

        bench.figure.pointIndex = 1;
        StampShape(bench.Context(true), 101, 100);
        ASSERT_EQ(bench.surface.ops.size(), c.spokeOps) << c.shape;
        // Every spoke is short: its ends are one point of travel apart.
        for (std::size_t i = 0; i < c.spokeOps; i += 2) {
            EXPECT_LE(std::abs(bench.surface.ops[i].args[0] - bench.surface.ops[i + 1].args[0]), 2);
            EXPECT_LE(std::abs(bench.surface.ops[i].args[1] - bench.surface.ops[i + 1].args[1]), 2);
        }
    }
}

TEST(Stamps, OutlineModeNeverClearsTheFirstStampFlag)
{
    StampBench bench;
    bench.figure.shape = ShapeStar4;
    bench.figure.firstStamp = true;
    StampShape(bench.Context(false), 0, 0);
    StampShape(bench.Context(false), 1, 0);
    EXPECT_TRUE(bench.figure.firstStamp);
    EXPECT_EQ(bench.surface.ops.size(), 2u * 9u);
}

}  // namespace
