// How many points a timer tick draws. A window timer fires at best every
// 10 ms (about 15.6 ms by default on Windows), so one point per tick cannot
// honour rates above ~64 points a second. Each tick instead draws the
// points that the time since the figure's first point calls for at the
// chosen interval: at least one, never past the figure's last point, and
// no more than 100 ms worth at once, so a long stall does not burst.
#pragma once

#include <cstdint>

struct PointPacing {
    std::uint32_t firstPointTick = 0;  // when the figure's point 0 was due
};

// Points to draw now. pointIndex is the next point; at point 0 the figure's
// clock starts now. After a stall the clock moves on so that the last point
// drawn counts as due now.
int PointsDue(PointPacing& pacing, int pointIndex, std::uint32_t interval, std::uint32_t now);

// After the animation was held (a refused password), the next point is due
// one interval from now.
void ResumePacing(PointPacing& pacing, int pointIndex, std::uint32_t interval, std::uint32_t now);
