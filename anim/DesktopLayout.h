// Several monitors in one saver window. Each monitor draws its own figure
// sequence as if it were a saver window of that monitor's size at that
// monitor's place: its own generator, figure, stamp corners, point clock and
// completion delay. With one monitor this is exactly the single window.
#pragma once

#include <cstdint>

#include "anim/Animation.h"
#include "anim/MonitorArea.h"
#include "anim/OffsetSurface.h"

// Monitors beyond this many are covered by the window but stay black.
inline constexpr int maxMonitors = 16;

struct MonitorAnimation {
    MonitorArea area;
    PenPosition pen;  // the monitor's own current position
    Animation animation;
};

struct Desktop {
    std::uint32_t seed = 0;  // the primary monitor's
    int count = 0;
    MonitorAnimation monitors[maxMonitors];
};

// The drawing order of monitors and outputs other than a primary one: from
// left to right by left edge, then from top to bottom by top edge.
constexpr bool DrawsBefore(const MonitorArea& a, const MonitorArea& b)
{
    return a.left < b.left || (a.left == b.left && a.top < b.top);
}

// The seed of the monitor at this place in the drawing order. The primary
// (order 0) takes the saver's own seed; each other one the seed plus its
// order times 0x9E3779B9, so every monitor draws figures of its own and the
// same desktop always draws the same.
std::uint32_t MonitorSeed(std::uint32_t seed, int order);

// Starts each monitor's figure sequence at its size. The drawing order puts
// areas[primary] first, then the others from left to right (by left edge,
// then top edge). With no area at all nothing is drawn.
void LayOutDesktop(Desktop& desktop, const MonitorArea* areas, int count, int primary,
                   const SaverSettings& settings, std::uint32_t seed);

// The monitors changed: in the same drawing order each monitor keeps its
// generator (a new one starts from its own seed) and starts a new figure at
// its new size. The caller erases the window.
void ChangeDesktop(Desktop& desktop, const MonitorArea* areas, int count, int primary,
                   const SaverSettings& settings);

// What one wake-up of every monitor did.
struct DesktopStep {
    std::uint32_t wakeAfter = 1000;  // milliseconds until the next useful wake-up
    bool waiting = false;            // every monitor waits out a completion delay
    bool primaryBegun = false;       // the primary's delay ended: its next figure began
};

// One wake-up of every monitor, each drawing into its own part of the window.
DesktopStep AdvanceDesktop(Desktop& desktop, DrawingSurface& window, std::uint32_t now);

// After the animation was held: see ResumeAnimation.
std::uint32_t ResumeDesktop(Desktop& desktop, std::uint32_t now);
