// The monitors of a desktop: their order, their seeds, and their wake-ups.
#include "anim/DesktopLayout.h"

#include <algorithm>
#include <limits>

namespace {

// Copies at most maxMonitors areas into drawing order.
int OrderAreas(const MonitorArea* areas, int count, int primary, MonitorArea* ordered)
{
    count = std::clamp(count, 0, maxMonitors);
    if (count == 0) return 0;
    primary = std::clamp(primary, 0, count - 1);
    int n = 0;
    ordered[n++] = areas[primary];
    for (int i = 0; i < count; ++i) {
        if (i != primary) ordered[n++] = areas[i];
    }
    // An insertion sort: stable, and a dozen monitors need nothing faster
    // (nor the allocation a library stable sort may make).
    for (int i = 2; i < n; ++i) {
        const MonitorArea area = ordered[i];
        int j = i;
        for (; j > 1 && DrawsBefore(area, ordered[j - 1]); --j) ordered[j] = ordered[j - 1];
        ordered[j] = area;
    }
    return n;
}

void Place(MonitorAnimation& monitor, const MonitorArea& area, const SaverSettings& settings)
{
    monitor.area = area;
    UseSettings(monitor.animation, settings);
    ResizeAnimation(monitor.animation, area.width, area.height);
}

}  // namespace

std::uint32_t MonitorSeed(std::uint32_t seed, int order)
{
    return seed + static_cast<std::uint32_t>(order) * 0x9E3779B9u;
}

void LayOutDesktop(Desktop& desktop, const MonitorArea* areas, int count, int primary,
                   const SaverSettings& settings, std::uint32_t seed)
{
    MonitorArea ordered[maxMonitors];
    desktop.seed = seed;
    desktop.count = OrderAreas(areas, count, primary, ordered);
    for (int i = 0; i < desktop.count; ++i) {
        StartAnimation(desktop.monitors[i].animation, settings, MonitorSeed(seed, i));
        Place(desktop.monitors[i], ordered[i], settings);
    }
}

void ChangeDesktop(Desktop& desktop, const MonitorArea* areas, int count, int primary,
                   const SaverSettings& settings)
{
    MonitorArea ordered[maxMonitors];
    const int previous = desktop.count;
    desktop.count = OrderAreas(areas, count, primary, ordered);
    for (int i = 0; i < desktop.count; ++i) {
        MonitorAnimation& monitor = desktop.monitors[i];
        if (i < previous) {
            BeginNextFigure(monitor.animation);
        } else {
            StartAnimation(monitor.animation, settings, MonitorSeed(desktop.seed, i));
        }
        Place(monitor, ordered[i], settings);
    }
}

DesktopStep AdvanceDesktop(Desktop& desktop, DrawingSurface& window, std::uint32_t now)
{
    DesktopStep step;
    if (desktop.count == 0) return step;
    step.wakeAfter = std::numeric_limits<std::uint32_t>::max();
    step.waiting = true;
    for (int i = 0; i < desktop.count; ++i) {
        MonitorAnimation& monitor = desktop.monitors[i];
        OffsetSurface surface(window, monitor.area, monitor.pen);
        const ClockStep clock = AdvanceAnimation(monitor.animation, surface, now);
        step.wakeAfter = std::min(step.wakeAfter, clock.wakeAfter);
        step.waiting = step.waiting && FigureComplete(monitor.animation.figure);
        step.primaryBegun = step.primaryBegun || (i == 0 && clock.nextFigureBegun);
    }
    return step;
}

std::uint32_t ResumeDesktop(Desktop& desktop, std::uint32_t now)
{
    std::uint32_t wake = std::numeric_limits<std::uint32_t>::max();
    for (int i = 0; i < desktop.count; ++i) wake = std::min(wake, ResumeAnimation(desktop.monitors[i].animation, now));
    return desktop.count > 0 ? wake : 1000;
}
