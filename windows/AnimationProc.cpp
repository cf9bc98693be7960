// Timer 1 drives the figures through the point clock of each monitor: while
// figures are drawn it fires every point interval and each tick draws the
// points that are due; a finished figure waits out its completion delay
// while the other monitors go on, so the window keeps answering input and
// its host while a finished figure is shown.
#include "windows/AnimationProc.h"

#include <algorithm>
#include <ctime>

#include "windows/GdiSurface.h"
#include "windows/InputWatch.h"
#include "windows/Monitors.h"
#include "windows/RegistryStore.h"
#include "windows/SaverState.h"

namespace {

Desktop& TheDesktop() { return desktopRecord.Made(); }

void StopTimer(HWND window)
{
    if (animationWindow.timerId != 0) KillTimer(window, animationTimer);
    animationWindow.timerId = 0;
}

// Timer 1 wakes the animation when the point clocks say the next wake-up is
// useful; it is set again only when that period changes.
void WakeAfter(HWND window, std::uint32_t milliseconds)
{
    const UINT period = std::max<UINT>(static_cast<UINT>(milliseconds), USER_TIMER_MINIMUM);
    if (animationWindow.timerId != 0 && animationWindow.timerPeriod == period) return;
    animationWindow.timerId = SetTimer(window, animationTimer, period, nullptr);
    animationWindow.timerPeriod = period;
}

// The full screen draws on every monitor; the preview in the whole window.
int FindAreas(const CREATESTRUCTA& creation, MonitorArea (&areas)[maxMonitors], int& primary)
{
    if (!saverState.isPreview) return FindMonitors(areas, primary);
    primary = 0;
    areas[0] = {0, 0, creation.cx, creation.cy};
    return 1;
}

void OnCreate(HWND window, const CREATESTRUCTA& creation)
{
    LoadSettings();
    animationWindow.backgroundBrush = CreateSolidBrush(0);
    WakeAfter(window, saverSettings.timerInterval);
    MonitorArea areas[maxMonitors];
    int primary = 0;
    const int count = FindAreas(creation, areas, primary);
    LayOutDesktop(desktopRecord.Make(), areas, count, primary, saverSettings, static_cast<std::uint32_t>(std::time(nullptr)));
}

// The preview follows its window's size; the full screen its monitors.
void OnSize(int width, int height)
{
    if (!saverState.isPreview || TheDesktop().count == 0) return;
    MonitorAnimation& only = TheDesktop().monitors[0];
    only.area = {0, 0, width, height};
    ResizeAnimation(only.animation, width, height);
}

// Monitors added, removed or resized: the window covers the new virtual
// screen and every monitor starts a new figure.
void OnDisplayChange(HWND window)
{
    if (saverState.isPreview) return;
    const RECT screen = VirtualScreen();
    SetWindowPos(window, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOACTIVATE);
    MonitorArea areas[maxMonitors];
    int primary = 0;
    const int count = FindMonitors(areas, primary);
    ChangeDesktop(TheDesktop(), areas, count, primary, saverSettings);
    InvalidateRect(window, nullptr, TRUE);
    // The timer may be waiting out a completion delay: the new figures start now.
    WakeAfter(window, ResumeDesktop(TheDesktop(), GetTickCount()));
}

// Any timer draws the points that are due; only the clocks end a completion
// delay, so a stray timer message cannot cut it short.
void OnTimer(HWND window)
{
    GdiSurface surface(window);
    WakeAfter(window, AdvanceDesktop(TheDesktop(), surface, GetTickCount()).wakeAfter);
}

LRESULT OnEraseBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, animationWindow.backgroundBrush);
    return 0;
}

// The timer stops while the close is decided. When the window stays (a
// refused password) the animation goes on where it was: the rest of a
// completion delay, or the next point one interval from now.
LRESULT OnClose(HWND window, WPARAM wParam, LPARAM lParam)
{
    StopTimer(window);
    const LRESULT result = InputWatchProc(window, WM_CLOSE, wParam, lParam);
    if (!IsWindow(window) || saverState.closeStage != CloseStage::Open) return result;
    WakeAfter(window, ResumeDesktop(TheDesktop(), GetTickCount()));
    return result;
}

}  // namespace

LRESULT AnimationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
        break;
    case WM_DESTROY:
        DeleteObject(animationWindow.backgroundBrush);
        animationWindow.backgroundBrush = nullptr;
        break;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DISPLAYCHANGE:
        OnDisplayChange(window);
        break;
    case WM_CLOSE:
        return OnClose(window, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
        OnTimer(window);
        return 0;
    default:
        break;
    }
    return InputWatchProc(window, message, wParam, lParam);
}
