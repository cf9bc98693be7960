// The point clock: how many points each wake-up draws when wake-ups come
// late, early, stalled or across the wrap of the millisecond count, and how
// the completion delay holds a finished figure.
#include <gtest/gtest.h>

#include <memory>

#include "anim/AnimationDriver.h"
#include "anim/RecordingSurface.h"

namespace {

// Points drawn by wake-ups at start + each offset.
std::vector<int> Wakes(std::uint32_t interval, std::uint32_t start, std::initializer_list<std::uint32_t> offsets)
{
    PointClock clock;
    int pointIndex = 0;
    std::vector<int> drawn;
    for (std::uint32_t offset : offsets) {
        const int points = PointsDue(clock, pointIndex, interval, start + offset);
        pointIndex += points;
        drawn.push_back(points);
    }
    return drawn;
}

TEST(PointClock, WakeUpsDrawThePointsDue)
{
    const struct {
        std::uint32_t interval, start;
        std::initializer_list<std::uint32_t> offsets;
        std::vector<int> drawn;
    } cases[] = {
        // 2 ms per point on a 15.6 ms timer: about 8 points a wake-up.
        {2, 1000, {0, 16, 31, 47, 62}, {1, 8, 7, 8, 8}},
        {20, 5, {0, 20, 40, 60}, {1, 1, 1, 1}},          // on time
        {20, 5, {0, 3, 4, 40}, {1, 1, 1, 1}},            // early: still one point
        {1, 0xFFFFFFF0u, {0, 0x20}, {1, 32}},            // across the wrap
        {1, 0, {0, 400, 800}, {1, 100, 100}},            // a stall: 100 ms worth at most
        {20, 0, {0, 20, 5020, 5040, 5080}, {1, 1, 5, 1, 2}},  // then the pace goes on
        {1000, 0, {0, 9000}, {1, 1}},                    // at least one point
    };
    for (const auto& c : cases) EXPECT_EQ(Wakes(c.interval, c.start, c.offsets), c.drawn) << c.interval;
    PointClock clock;
    EXPECT_EQ(PointsDue(clock, 355, 1, 100000), 6) << "never past point 360";
    EXPECT_EQ(PointsDue(clock, 361, 1, 100000), 0);
}

std::unique_ptr<Animation> Started(std::int32_t endDelay, std::uint32_t interval = 1)
{
    auto animation = std::make_unique<Animation>();
    SaverSettings settings;
    settings.timerInterval = interval;
    settings.endDelay = endDelay;
    StartAnimation(*animation, settings, 42);
    ResizeAnimation(*animation, 320, 200);
    return animation;
}

// Wakes every millisecond from `now` until the figure is done; returns when.
std::uint32_t FinishFigure(Animation& animation, RecordingSurface& surface, std::uint32_t now)
{
    while (!FigureComplete(animation.figure)) {
        if (AdvanceAnimation(animation, surface, ++now).nextFigureBegun) break;
    }
    return now;
}

TEST(PointClock, TheCompletionDelayHoldsTheFinishedFigureThenErases)
{
    const struct {
        std::int32_t endDelay;
        std::uint32_t heldFor;  // milliseconds the finished figure stays
    } cases[] = {{3, 3000}, {0, 0}, {-1, 0}, {61, 60000}, {0x7FFFFFFF, 60000}};  // as held, or clamped on entry
    for (const auto& c : cases) {
        auto animation = Started(c.endDelay);
        RecordingSurface surface;
        const std::uint32_t done = FinishFigure(*animation, surface, 0x7FFFFF00u);
        const std::size_t drawn = surface.log.size();
        if (c.heldFor == 0) {
            EXPECT_TRUE(surface.log.ends_with("erase\n")) << c.endDelay;
            EXPECT_EQ(animation->figure.pointIndex, 0);
            continue;
        }
        // Wake-ups during the delay, a stray one included, draw nothing.
        for (std::uint32_t at : {1u, c.heldFor / 2, c.heldFor - 1}) {
            const ClockStep step = AdvanceAnimation(*animation, surface, done + at);
            EXPECT_EQ(step.wakeAfter, c.heldFor - at) << c.endDelay;
            EXPECT_FALSE(step.nextFigureBegun);
        }
        EXPECT_EQ(surface.log.size(), drawn);
        // A close refused during the delay keeps its end.
        EXPECT_EQ(ResumeAnimation(*animation, done + 10), c.heldFor - 10);
        const ClockStep step = AdvanceAnimation(*animation, surface, done + c.heldFor);
        EXPECT_TRUE(step.nextFigureBegun);
        EXPECT_EQ(step.wakeAfter, 1u) << "the next figure's first point one interval later";
        EXPECT_TRUE(surface.log.ends_with("erase\n"));
        EXPECT_EQ(animation->figure.pointIndex, 0);
    }
}

TEST(PointClock, AfterAHoldTheNextPointIsOneIntervalAway)
{
    auto animation = Started(1, 20);
    RecordingSurface surface;
    AdvanceAnimation(*animation, surface, 0);
    AdvanceAnimation(*animation, surface, 20);
    EXPECT_EQ(ResumeAnimation(*animation, 9000), 20u);  // a password dialog held it for 9 s
    EXPECT_EQ(AdvanceAnimation(*animation, surface, 9020).pointsDrawn, 1);
    EXPECT_EQ(AdvanceAnimation(*animation, surface, 9040).pointsDrawn, 1);
}

}  // namespace
