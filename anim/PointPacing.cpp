// The catch-up arithmetic of the point timer.
#include "anim/PointPacing.h"

#include <algorithm>

#include "anim/FigureState.h"
#include "common/Ticks.h"

namespace {

constexpr std::uint32_t burstMilliseconds = 100;

std::uint32_t UsableInterval(std::uint32_t interval) { return interval == 0 ? 1 : interval; }

}  // namespace

int PointsDue(PointPacing& pacing, int pointIndex, std::uint32_t interval, std::uint32_t now)
{
    interval = UsableInterval(interval);
    if (pointIndex <= 0) pacing.firstPointTick = now;
    const int left = figurePointCount - pointIndex;
    if (left <= 0) return 0;

    const std::uint32_t elapsed = TicksSince(pacing.firstPointTick, now);
    // Elapsed time beyond a figure's length cannot ask for more than the rest.
    const std::uint32_t whole = elapsed / interval;
    const std::uint32_t dueSinceStart = whole >= figurePointCount ? figurePointCount : whole + 1;
    const int behind = static_cast<int>(dueSinceStart) - pointIndex;
    const int cap = static_cast<int>(burstMilliseconds / interval) + 1;
    const int points = std::clamp(behind, 1, std::min(cap, left));
    if (behind > cap) {
        // Forget the stall: the last point drawn now is the one due now.
        const std::uint32_t lastDrawn = static_cast<std::uint32_t>(pointIndex + points - 1);
        pacing.firstPointTick = now - lastDrawn * interval;
    }
    return points;
}

void ResumePacing(PointPacing& pacing, int pointIndex, std::uint32_t interval, std::uint32_t now)
{
    if (pointIndex <= 0) return;  // the next tick starts the figure's clock afresh
    pacing.firstPointTick = now - static_cast<std::uint32_t>(pointIndex - 1) * UsableInterval(interval);
}
