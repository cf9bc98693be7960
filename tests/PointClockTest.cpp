// The point clock: how many points each wake-up draws when wake-ups come
// late, early, stalled or across the wrap of the millisecond count, and how
// the completion delay holds a finished figure.
#include <gtest/gtest.h>

#include <memory>

#include "anim/Animation.h"
#include "anim/RecordingSurface.h"

namespace {

TEST(PointClock, WakeUpsDrawThePointsDue)
{
    const struct {
        std::uint32_t interval, start;
        std::initializer_list<std::uint32_t> offsets;
        std::vector<int> drawn;
    } cases[] = {  // the points drawn by wake-ups at start + each offset
        // 2 ms per point on a 15.6 ms timer: about 8 points a wake-up.
        {2, 1000, {0, 16, 31, 47, 62}, {1, 8, 7, 8, 8}},
        {20, 5, {0, 3, 4, 40}, {1, 1, 1, 1}},            // early: still one point
        {1, 0xFFFFFFF0u, {0, 0x20}, {1, 32}},            // across the wrap
        {1, 0, {0, 400, 800}, {1, 100, 100}},            // a stall: 100 ms worth at most
        {20, 0, {0, 20, 5020, 5040, 5080}, {1, 1, 5, 1, 2}},  // then the pace goes on
        {1000, 0, {0, 9000}, {1, 1}},                    // at least one point
    };
    for (const auto& c : cases) {
        PointClock clock;
        std::vector<int> drawn;
        for (int pointIndex = 0; std::uint32_t offset : c.offsets) {
            drawn.push_back(PointsDue(clock, pointIndex, c.interval, c.start + offset));
            pointIndex += drawn.back();
        }
        EXPECT_EQ(drawn, c.drawn) << c.interval;
    }
    PointClock clock;
    EXPECT_EQ(PointsDue(clock, 355, 1, 100000), 6) << "never past point 360";
    EXPECT_EQ(PointsDue(clock, 361, 1, 100000), 0);
}

std::unique_ptr<Animation> Started(std::int32_t endDelay, std::uint32_t interval = 1)
{
    auto animation = std::make_unique<Animation>();
    StartAnimation(*animation, {.timerInterval = interval, .endDelay = endDelay}, 42);
    ResizeAnimation(*animation, 320, 200);
    return animation;
}

// At 20 ms a point. A hold mid-figure (a password dialog's 9 s) puts the
// next point one interval after the hold ends.
TEST(PointClock, TheCompletionDelayHoldsTheFinishedFigureThenErases)
{
    // Each: the delay and the milliseconds the finished figure stays, as held or clamped on entry.
    const struct { std::int32_t endDelay; std::uint32_t heldFor; } cases[] = {
        {3, 3000}, {0, 0}, {-1, 0}, {61, 60000}, {0x7FFFFFFF, 60000}};
    for (const auto& c : cases) {
        auto animation = Started(c.endDelay, 20);
        RecordingSurface surface;
        AdvanceAnimation(*animation, surface, 0x7FFFFF00u);
        EXPECT_EQ(ResumeAnimation(*animation, 0x7FFFFF00u + 9000), 20u);
        EXPECT_EQ(AdvanceAnimation(*animation, surface, 0x7FFFFF00u + 9020).pointsDrawn, 1);
        std::uint32_t done = 0x7FFFFF00u + 9020;  // then a wake-up every millisecond until the figure is done
        while (!FigureComplete(animation->figure) && !AdvanceAnimation(*animation, surface, ++done).nextFigureBegun) {}
        if (c.heldFor != 0) {
            // Wake-ups during the delay, a stray one included, draw nothing.
            const std::size_t drawn = surface.log.size();
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
            EXPECT_EQ(step.wakeAfter, 20u) << "the next figure's first point one interval later";
        }
        EXPECT_TRUE(surface.log.ends_with("erase\n")) << c.endDelay;
        EXPECT_EQ(animation->figure.pointIndex, 0);
    }
}

// The log of the figure an animation draws next, drawn to its end.
std::string NextFigure(Animation& animation)
{
    RecordingSurface surface;
    while (!DrawNextPoint(animation, surface).figureComplete) {}
    BeginNextFigure(animation);
    return surface.log;
}

// The renderer's figure n (from 1) of seed 42 at a size.
std::string RendererFigure(int n, int width, int height)
{
    auto animation = Started(0);
    ResizeAnimation(*animation, width, height);
    for (int i = 1; i < n; ++i) NextFigure(*animation);
    return NextFigure(*animation);
}

// Whatever ran before, a start gives the seed's first figure; a new size
// begins the renderer's next one at that size (the first again if no point
// was drawn).
TEST(PointClock, StartsAndNewSizesKeepTheSeedsSequence)
{
    const struct {
        const char* what;
        int pointsFirst;  // drawn before the change
        bool restart;     // a start, else a new size of 500x400
        int figure;       // the renderer's figure that follows
    } cases[] = {
        {"a start mid-trace", 361 + 200, true, 1},
        {"a start after many figures", 361 * 3, true, 1},
        {"a size before the first point", 0, false, 1},
        {"a size after it", 1, false, 2},
        {"a size mid-way through the second", 361 + 10, false, 3},
    };
    for (const auto& c : cases) {
        auto animation = Started(0);
        RecordingSurface surface;
        for (int i = 0; i < c.pointsFirst; ++i) {
            if (DrawNextPoint(*animation, surface).figureComplete) BeginNextFigure(*animation);
        }
        const int width = c.restart ? 320 : 500, height = c.restart ? 200 : 400;
        if (c.restart) {
            StartAnimation(*animation, {.timerInterval = 1, .endDelay = 0}, 42);
        } else {
            EXPECT_EQ(RestartAtSize(*animation, width, height), 1u) << c.what;
        }
        EXPECT_EQ(NextFigure(*animation), RendererFigure(c.figure, width, height)) << c.what;
    }
}

// The first size is taken at once; a drag's sizes, 10 ms apart over 150 ms,
// are taken once, the last of them, 200 ms after it; coming back to the size
// drawn keeps the picture.
TEST(PointClock, ABurstOfSizesIsTakenOnceSettled)
{
    Animation animation;
    int width = 0, height = 0;
    OfferSize(animation, 640, 480, 1000);
    ASSERT_TRUE(TakeSize(animation, 1000, width, height));
    EXPECT_EQ(SizeWait(animation, 1000), noWake);
    std::vector<std::uint32_t> taken;
    for (std::uint32_t t = 1000; t <= 1600; t += 10) {
        if (t <= 1150) OfferSize(animation, 600 + static_cast<int>(t - 1000) / 10, 400, t);
        if (TakeSize(animation, t, width, height)) taken.push_back(t);
    }
    EXPECT_EQ(taken, std::vector<std::uint32_t>{1350});
    EXPECT_EQ(width, 615);
    OfferSize(animation, 700, 400, 2000);
    EXPECT_EQ(SizeWait(animation, 2050), 150u);
    OfferSize(animation, 615, 400, 2100);
    EXPECT_FALSE(TakeSize(animation, 5000, width, height)) << "back at the size drawn";
    EXPECT_EQ(SizeProblem(7680 * 4, 4320), "");
    EXPECT_NE(SizeProblem(65536, 1), "");
    EXPECT_NE(SizeProblem(40000, 40000), "");
    EXPECT_NE(SizeProblem(0, 10), "");
}

}  // namespace
