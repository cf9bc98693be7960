// The point clock's arithmetic and the wake-up step shared by the front ends.
#include "anim/PointClock.h"

#include <algorithm>

#include "anim/Animation.h"
#include "common/Ticks.h"

namespace {

constexpr std::uint32_t burstMilliseconds = 100;

// Milliseconds until the delay ends; 0 once it is over.
std::uint32_t DelayLeft(const PointClock& clock, std::uint32_t now) { return MillisecondsUntil(clock.delayEndTick, now); }

void BeginAfterDelay(Animation& animation, DrawingSurface& surface, ClockStep& step)
{
    BeginNextFigure(animation);
    surface.Erase();
    step.nextFigureBegun = true;
    step.wakeAfter = animation.settings.timerInterval;
}

}  // namespace

int PointsDue(PointClock& clock, int pointIndex, std::uint32_t interval, std::uint32_t now)
{
    if (pointIndex <= 0) clock.firstPointTick = now;
    const int left = figurePointCount - pointIndex;
    if (left <= 0) return 0;

    const std::uint32_t elapsed = TicksSince(clock.firstPointTick, now);
    // Elapsed time beyond a figure's length cannot ask for more than the rest.
    const std::uint32_t whole = elapsed / interval;
    const std::uint32_t dueSinceStart = whole >= figurePointCount ? figurePointCount : whole + 1;
    const int behind = static_cast<int>(dueSinceStart) - pointIndex;
    const int cap = std::max(static_cast<int>(burstMilliseconds / interval), 1);
    const int points = std::clamp(behind, 1, std::min(cap, left));
    if (behind > cap) {
        // Forget the stall: the last point drawn now is the one due now.
        const auto lastDrawn = static_cast<std::uint32_t>(pointIndex + points - 1);
        clock.firstPointTick = now - lastDrawn * interval;
    }
    return points;
}

ClockStep AdvanceAnimation(Animation& animation, DrawingSurface& surface, std::uint32_t now)
{
    ClockStep step;
    PointClock& clock = animation.clock;
    const std::uint32_t interval = animation.settings.timerInterval;
    if (FigureComplete(animation.figure)) {
        step.wakeAfter = DelayLeft(clock, now);
        if (step.wakeAfter == 0) BeginAfterDelay(animation, surface, step);
        return step;
    }
    step.wakeAfter = interval;
    const int due = PointsDue(clock, animation.figure.pointIndex, interval, now);
    while (step.pointsDrawn < due) {
        ++step.pointsDrawn;
        if (!DrawNextPoint(animation, surface).figureComplete) continue;
        const std::int32_t seconds = animation.settings.endDelay;
        if (seconds == 0) {
            BeginAfterDelay(animation, surface, step);
        } else {
            clock.delayEndTick = now + static_cast<std::uint32_t>(seconds) * 1000;
            step.wakeAfter = static_cast<std::uint32_t>(seconds) * 1000;
        }
        break;
    }
    return step;
}

std::uint32_t ResumeAnimation(Animation& animation, std::uint32_t now)
{
    PointClock& clock = animation.clock;
    const std::uint32_t interval = animation.settings.timerInterval;
    const int pointIndex = animation.figure.pointIndex;
    if (FigureComplete(animation.figure)) return std::max<std::uint32_t>(DelayLeft(clock, now), 1);
    // At point 0 the next wake-up starts the figure's clock afresh.
    if (pointIndex > 0) clock.firstPointTick = now - static_cast<std::uint32_t>(pointIndex - 1) * interval;
    return interval;
}
