// The degree tables, the curve types and a figure's fitted curve.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>

#include "anim/AnimationDriver.h"
#include "anim/Curves.h"

namespace {

const TrigTables& Tables()
{
    static const TrigTables tables = [] {
        TrigTables t;
        BuildTrigTables(t);
        return t;
    }();
    return tables;
}

bool IsNegativeZero(double v) { return v == 0.0 && std::signbit(v); }

TEST(TrigTables, TruncatedPiAndTheWritesThatWinWhereQuadrantsMeet)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(degreeFactor), 0x3F91DF46A2506B91u);
    const TrigTables& t = Tables();
    EXPECT_TRUE(IsNegativeZero(t.sineTable[180]));
    EXPECT_TRUE(IsNegativeZero(t.sineTable[360]));
    EXPECT_FALSE(std::signbit(t.sineTable[0]));
    EXPECT_EQ(t.cosineTable[180], -1.0);
    // cos(90 x truncated factor) is about 4.49e-11; the negated write lands last.
    const double c90 = std::cos(90 * degreeFactor);
    EXPECT_GT(c90, 4.4e-11);
    EXPECT_LT(c90, 4.6e-11);
    EXPECT_EQ(t.cosineTable[90], -c90);
    EXPECT_EQ(t.cosineTable[270], -c90);
    EXPECT_EQ(t.sineTable[361], t.sineTable[1]);
    EXPECT_EQ(t.cosineTable[361], t.cosineTable[1]);
    EXPECT_EQ(t.sineTable[90], 1.0);
    EXPECT_EQ(t.sineTable[210], -std::sin(30 * degreeFactor));
    EXPECT_EQ(t.cosineTable[300], std::cos(60 * degreeFactor));
}

TEST(CurveValue, KnownPointsAndTypesOutsideTheRange)
{
    const TrigTables& t = Tables();
    EXPECT_EQ(CurveValue(t, 0, 1), 1.0);
    EXPECT_EQ(CurveValue(t, 45, 0), 1.0);
    EXPECT_EQ(CurveValue(t, 0, 11), std::exp(1.0));
    EXPECT_EQ(CurveValue(t, 17, 11), std::exp(t.cosineTable[17] * t.cosineTable[17]));
    EXPECT_EQ(CurveValue(t, 10, 50), 0.0);
    EXPECT_EQ(CurveValue(t, 10, -1), 0.0);
    EXPECT_EQ(CurveValue(t, 361, 1), 0.0);
    // Point 360 reads entry 360 for the single angle and wraps the multiples.
    EXPECT_EQ(CurveValue(t, 360, 1), t.cosineTable[360]);
    EXPECT_EQ(CurveValue(t, 360, 0), t.sineTable[0]);
}

TEST(CurveValue, Type18BreaksThePatternOfItsNeighbours)
{
    const TrigTables& t = Tables();
    for (int i : {7, 100, 233}) {
        // 10..17 and 19 raise their base through exp(. x c1); 18 uses s1 and times c3.
        EXPECT_EQ(CurveValue(t, i, 18), std::exp(CurveValue(t, i, 8) * t.sineTable[i]) * t.cosineTable[3 * i % 360]);
        EXPECT_EQ(CurveValue(t, i, 19), std::exp(CurveValue(t, i, 9) * t.cosineTable[i]));
    }
}

TEST(CurveValue, EveryTypeVariesAndReachesAPositiveValue)
{
    const TrigTables& t = Tables();
    for (int type = 0; type < curveTypeCount; ++type) {
        double low = 1e9, high = -1e9;
        for (int i = 0; i <= 360; ++i) {
            const double v = CurveValue(t, i, type);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        SCOPED_TRACE(type);
        EXPECT_GT(high - low, 0.01);
        EXPECT_GT(high, 0.0);
        EXPECT_LE(std::max(high, -low), std::exp(1.0));
        const bool alwaysPositive = (type >= 10 && type <= 17) || type == 19;
        EXPECT_EQ(low > 0.0, alwaysPositive);
    }
}

struct FittedFigure {
    FigureState figure;
    RandomGenerator random;
};

FittedFigure Fit(int curveX, int curveY, std::uint32_t seed, int width, int height, int radius)
{
    FittedFigure f;
    f.figure.curveTypeX = curveX;
    f.figure.curveTypeY = curveY;
    f.figure.clientWidth = width;
    f.figure.clientHeight = height;
    f.figure.radius = radius;
    SeedRandom(f.random, seed);
    GenerateCurves(f.figure, Tables(), f.random);
    return f;
}

TEST(GenerateCurves, MirrorDrawsXFirstAndReflectsWithinTheSameExtremes)
{
    // Find seeds whose two draws give each mirror combination.
    int seen = 0;
    for (std::uint32_t seed = 1; seen != 0xF && seed < 100; ++seed) {
        RandomGenerator replay;
        SeedRandom(replay, seed);
        const int mirrorX = NextRandom(replay) % 2, mirrorY = NextRandom(replay) % 2;
        seen |= 1 << (mirrorX * 2 + mirrorY);

        const FittedFigure fitted = Fit(3, 27, seed, 1022, 766, 61);
        ASSERT_EQ(fitted.figure.mirrorX, mirrorX);
        ASSERT_EQ(fitted.figure.mirrorY, mirrorY);
        EXPECT_EQ(fitted.random.state, replay.state) << "two draws, no more";
        for (int i = 0; i <= 360; ++i) {
            const double x = CurveValue(Tables(), i, 3), y = CurveValue(Tables(), i, 27);
            const FigureState& f = fitted.figure;
            EXPECT_EQ(f.pointsX[i], mirrorX ? f.maxX - x + f.minX : x);
            EXPECT_EQ(f.pointsY[i], mirrorY ? f.maxY - y + f.minY : y);
        }
    }
    EXPECT_EQ(seen, 0xF);
}

}  // namespace
