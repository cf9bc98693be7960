// The point clock: when a figure's points are drawn and how long a finished
// figure stays, as a small state machine that every front end drives from
// its own wake-ups (a window timer, a poll timeout). Given the time, it says
// how many points to draw now and when the next wake-up is useful.
//
// A window timer fires at best every 10 ms (about 15.6 ms by default on
// Windows), so one point per wake-up could not honour rates above about 64
// points a second. Each wake-up instead draws the points that the time since
// the figure's first point calls for: at least one, never past the last
// point, and no more than 100 ms worth at once (one point at the least), so
// a long stall does not burst. After point 360 the finished figure stays for
// the completion delay; the first wake-up after it chooses the next figure
// and erases.
#pragma once

#include <cstdint>

struct Animation;
class DrawingSurface;

struct PointClock {
    std::uint32_t firstPointTick = 0;  // when the figure's point 0 was due
    std::uint32_t delayEndTick = 0;    // when the finished figure's delay ends
};

// What one wake-up did, and when the next one is useful.
struct ClockStep {
    int pointsDrawn = 0;
    bool nextFigureBegun = false;  // the delay was over: the next pair is chosen and the area erased
    std::uint32_t wakeAfter = 0;   // milliseconds: the point interval while drawing, else the delay left
};

// Draws the points due at `now` (milliseconds of a wrapping 32-bit clock),
// starts the completion delay after point 360 and ends it once it is over.
// A delay of 0 erases at once; the next figure's first point comes
// one interval after the erase.
ClockStep AdvanceAnimation(Animation& animation, DrawingSurface& surface, std::uint32_t now);

// After the animation was held (a close being decided and refused): the
// next point is due one interval from now, and a running delay keeps its
// end. Returns the milliseconds until the next useful wake-up.
std::uint32_t ResumeAnimation(Animation& animation, std::uint32_t now);

// The catch-up arithmetic alone: how many points to draw now when pointIndex
// is the next one and a point is due every interval (1..1000) milliseconds;
// at point 0 the figure's clock starts now.
int PointsDue(PointClock& clock, int pointIndex, std::uint32_t interval, std::uint32_t now);
