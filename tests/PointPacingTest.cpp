// How many points each timer tick draws when ticks come late, early,
// stalled, or across the wrap of the millisecond count.
#include <gtest/gtest.h>

#include "anim/PointPacing.h"

namespace {

// Simulates a figure drawn by ticks at the given times; returns how many
// points each tick drew.
std::vector<int> Ticks(std::uint32_t interval, std::uint32_t start, std::initializer_list<std::uint32_t> offsets)
{
    PointPacing pacing;
    int pointIndex = 0;
    std::vector<int> drawn;
    for (std::uint32_t offset : offsets) {
        const int points = PointsDue(pacing, pointIndex, interval, start + offset);
        pointIndex += points;
        drawn.push_back(points);
    }
    return drawn;
}

TEST(PointPacing, SlowTimerTicksCatchUpToTheRequestedRate)
{
    // 2 ms per point on a 15.6 ms clock: about 8 points a tick, exactly on average.
    EXPECT_EQ(Ticks(2, 1000, {0, 16, 31, 47, 62}), (std::vector<int>{1, 8, 7, 8, 8}));
    // A timer on time draws one point per tick.
    EXPECT_EQ(Ticks(20, 5, {0, 20, 40, 60}), (std::vector<int>{1, 1, 1, 1}));
    // A tick that comes early still draws one point.
    EXPECT_EQ(Ticks(20, 5, {0, 3, 4, 40}), (std::vector<int>{1, 1, 1, 1}));
}

TEST(PointPacing, NeverPastTheLastPointAndAcrossTheTickCountWrap)
{
    PointPacing pacing;
    EXPECT_EQ(PointsDue(pacing, 0, 1, 0xFFFFFFF0u), 1);
    EXPECT_EQ(PointsDue(pacing, 1, 1, 0x00000010u), 32);  // points 1..32, 32 ms later across the wrap
    EXPECT_EQ(PointsDue(pacing, 355, 1, 0x00000400u), 6);  // only points 355..360 are left
    EXPECT_EQ(PointsDue(pacing, 361, 1, 0x00000500u), 0);
}

TEST(PointPacing, AStallDrawsAtMostATenthOfASecondThenKeepsPace)
{
    PointPacing pacing;
    EXPECT_EQ(PointsDue(pacing, 0, 20, 0), 1);
    EXPECT_EQ(PointsDue(pacing, 1, 20, 20), 1);
    // Five seconds without ticks: 100 ms worth at once, not 250 points.
    EXPECT_EQ(PointsDue(pacing, 2, 20, 5020), 6);
    // Then the pace goes on from there, one point per interval.
    EXPECT_EQ(PointsDue(pacing, 8, 20, 5040), 1);
    EXPECT_EQ(PointsDue(pacing, 9, 20, 5080), 2);
    // An interval of 0 cannot come from the settings, but must not divide by zero.
    EXPECT_GE(PointsDue(pacing, 11, 0, 5081), 1);
}

TEST(PointPacing, AfterAHoldTheNextPointIsOneIntervalAway)
{
    PointPacing pacing;
    PointsDue(pacing, 0, 20, 0);
    PointsDue(pacing, 1, 20, 20);
    ResumePacing(pacing, 2, 20, 9000);  // a password dialog held the animation for 9 s
    EXPECT_EQ(PointsDue(pacing, 2, 20, 9020), 1);
    EXPECT_EQ(PointsDue(pacing, 3, 20, 9040), 1);
}

}  // namespace
