// Curve pairs, the per-figure choices from the selection sets, and the
// colour drift.
#include <gtest/gtest.h>

#include "anim/DrawingSurface.h"
#include "anim/FigureChoices.h"

namespace {

RandomGenerator Seeded(std::uint32_t seed)
{
    RandomGenerator random;
    SeedRandom(random, seed);
    return random;
}

TEST(RandomGenerator, MatchesTheLinearCongruentialRecurrence)
{
    RandomGenerator random = Seeded(0);
    EXPECT_EQ(NextRandom(random), 38);
    EXPECT_EQ(NextRandom(random), 7719);
    EXPECT_EQ(NextRandom(random), 21238);
    random = Seeded(0xFFFFFFFFu);
    EXPECT_EQ(NextRandom(random), 35);  // the state wraps modulo 2^32
}

TEST(IsExcludedPair, ReadsTheTableBothWays)
{
    struct Case {
        int a, b;
        bool excluded;
    };
    const Case cases[] = {
        {0, 35, true},  {35, 0, true},  {46, 20, false}, {46, 40, true}, {40, 46, true}, {7, 7, true},
        {0, 31, false}, {0, 32, true},  {39, 0, true},   {12, 9, true},  {9, 12, true},  {12, 11, false},
        {35, 36, true}, {35, 38, false}, {38, 35, false}, {38, 37, true}, {46, 16, false}, {15, 14, false},
        {49, 15, true}, {15, 49, true}, {5, 14, true},   {14, 5, true},  {19, 9, true},  {4, 20, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsExcludedPair(c.a, c.b), c.excluded) << c.a << "," << c.b;

    int allowed = 0;
    for (int a = 0; a < 50; ++a) {
        for (int b = 0; b < 50; ++b) allowed += IsExcludedPair(a, b) ? 0 : 1;
    }
    EXPECT_EQ(allowed, 2088);
}

TEST(ChooseCurvePair, RedrawsBothTypesUntilThePairIsAllowed)
{
    // Find a seed whose first pair is refused and check the retry takes two fresh draws.
    for (std::uint32_t seed = 0; seed < 10000; ++seed) {
        RandomGenerator replay = Seeded(seed);
        const int x = NextRandom(replay) % 50, y = NextRandom(replay) % 50;
        if (!IsExcludedPair(x, y)) continue;
        int x2, y2;
        do {
            x2 = NextRandom(replay) % 50;
            y2 = NextRandom(replay) % 50;
        } while (IsExcludedPair(x2, y2));

        FigureState figure;
        RandomGenerator random = Seeded(seed);
        ChooseCurvePair(figure, random);
        EXPECT_EQ(figure.curveTypeX, x2);
        EXPECT_EQ(figure.curveTypeY, y2);
        EXPECT_EQ(random.state, replay.state);
        return;
    }
    FAIL() << "no refused first pair found";
}

TEST(SelectionSets, ShortCutsDrawNothingAndDrawsStayInsideTheSet)
{
    RandomGenerator random = Seeded(42);
    EXPECT_EQ(ChooseShape(ShapeCircle, random), ShapeCircle);
    EXPECT_EQ(ChooseShape(ShapeStar8, random), ShapeStar8);
    EXPECT_EQ(ChooseRotation(RotationAntiClockwise, random), RotationAntiClockwise);
    // No drawable bit at all cannot come from a load, but must not hang.
    EXPECT_EQ(ChooseShape(0x1, random), ShapeCircle);
    EXPECT_EQ(ChooseShape(0x200, random), ShapeCircle);
    EXPECT_EQ(ChooseRotation(0x10, random), RotationNone);
    EXPECT_EQ(ChooseZoomLevel(ZoomStartSmall, random), 0u);
    EXPECT_EQ(ChooseZoomLevel(ZoomPhase1 | ZoomStartLarge, random), 0u);
    EXPECT_EQ(random.state, Seeded(42).state) << "no draw taken";

    int drawsForHigh = 0;
    for (int figure = 0; figure < 400; ++figure) {
        const std::uint32_t before = random.state;
        EXPECT_EQ(ChooseZoomLevel(ZoomHigh, random), ZoomHigh);
        RandomGenerator counter{before};
        while (counter.state != random.state) {
            NextRandom(counter);
            ++drawsForHigh;
        }
        const std::uint32_t shape = ChooseShape(ShapeCircle | ShapeSquare, random);
        EXPECT_TRUE(shape == ShapeCircle || shape == ShapeSquare);
        const std::uint32_t rotation = ChooseRotation(RotationClockwise | RotationAntiClockwise | 0x1, random);
        EXPECT_TRUE(rotation == RotationClockwise || rotation == RotationAntiClockwise);
    }
    // A single level is still drawn for: four draws on average.
    EXPECT_GT(drawsForHigh, 400 * 3);
    EXPECT_LT(drawsForHigh, 400 * 5);
}

TEST(SelectionSets, EachAllowedValueComesUp)
{
    RandomGenerator random = Seeded(7);
    std::uint32_t shapes = 0, rotations = 0, levels = 0;
    for (int i = 0; i < 2000; ++i) {
        shapes |= ChooseShape(ShapeAll, random);
        rotations |= ChooseRotation(RotationAll, random);
        levels |= ChooseZoomLevel(ZoomAll, random);
    }
    EXPECT_EQ(shapes, ShapeAll);
    EXPECT_EQ(rotations, RotationAll);
    EXPECT_EQ(levels, ZoomLevels);
}

TEST(PenColour, StartsInRangeWithStepsOneTwoThree)
{
    RandomGenerator replay = Seeded(1234);
    const int red = NextRandom(replay) % 120 + 50, green = NextRandom(replay) % 120 + 50,
              blue = NextRandom(replay) % 120 + 50;
    FigureState figure;
    figure.redStep = -5;
    RandomGenerator random = Seeded(1234);
    InitPenColour(figure, random);
    EXPECT_EQ(figure.red, red);
    EXPECT_EQ(figure.green, green);
    EXPECT_EQ(figure.blue, blue);
    EXPECT_EQ(figure.redStep, 1);
    EXPECT_EQ(figure.greenStep, 2);
    EXPECT_EQ(figure.blueStep, 3);
}

TEST(PenColour, AChannelStartingOnTheLowFloorAlternatesBesideIt)
{
    FigureState figure;
    figure.red = figure.green = figure.blue = 50;
    std::uint32_t first = NextPenColour(figure, ColourLow);
    EXPECT_EQ(first, MakeColour(49, 48, 47));
    for (int tick = 0; tick < 10; ++tick) {
        EXPECT_EQ(NextPenColour(figure, ColourLow), MakeColour(50, 50, 50));
        EXPECT_EQ(NextPenColour(figure, ColourLow), MakeColour(49, 48, 47));
    }
}

TEST(PenColour, ChannelsBounceBetweenEachFloorAndTheTopWithoutWrapping)
{
    // A step of 3 passes a bound by up to 2 before it turns, depending on the
    // channel's value modulo 3; blue starts once in each residue.
    for (std::int32_t floor : {ColourHigh, ColourMedium, ColourLow}) {
        int low = 255, high = 0;
        for (int blue : {168, 169, 170}) {
            FigureState figure;
            figure.red = 51;
            figure.green = 120;
            figure.blue = static_cast<std::uint8_t>(blue);
            for (int tick = 0; tick < 2000; ++tick) {
                const std::uint32_t colour = NextPenColour(figure, floor);
                for (int shift : {0, 8, 16}) {
                    const int channel = static_cast<int>((colour >> shift) & 0xFF);
                    low = std::min(low, channel);
                    high = std::max(high, channel);
                }
            }
        }
        EXPECT_EQ(high, 252) << floor;
        EXPECT_EQ(low, floor - 2) << floor;
    }
}

}  // namespace
