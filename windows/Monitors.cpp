// Enumerating the display monitors for the full-screen window.
#include "windows/Monitors.h"

namespace {

struct Found {
    MonitorArea* areas;
    int count;
    int primary;
    POINT origin;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto* found = reinterpret_cast<Found*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (found->count >= maxMonitors || !GetMonitorInfoA(monitor, &info)) return found->count < maxMonitors;
    const RECT& r = info.rcMonitor;
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) found->primary = found->count;
    found->areas[found->count++] = {r.left - found->origin.x, r.top - found->origin.y, r.right - r.left,
                                    r.bottom - r.top};
    return TRUE;
}

}  // namespace

RECT VirtualScreen()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width <= 0 || height <= 0) {
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    }
    return {left, top, left + width, top + height};
}

int FindMonitors(MonitorArea (&areas)[maxMonitors], int& primary)
{
    const RECT screen = VirtualScreen();
    Found found{areas, 0, 0, {screen.left, screen.top}};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
    if (found.count == 0) {
        areas[0] = {0, 0, screen.right - screen.left, screen.bottom - screen.top};
        found.count = 1;
    }
    primary = found.primary;
    return found.count;
}
