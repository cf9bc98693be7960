// Timer 1 drives the figures through the point clock: while a figure is
// drawn it fires every point interval and each tick draws the points that
// are due; after the last point it waits out the completion delay, so the
// window keeps answering input and its host while the finished figure is
// shown.
#include "shell/AnimationProc.h"

#include <algorithm>
#include <ctime>

#include "shell/GdiSurface.h"
#include "shell/InputWatch.h"
#include "shell/RegistryStore.h"
#include "shell/ShellState.h"

namespace {

void StopTimer(HWND window)
{
    if (animationWindow.timerId != 0) KillTimer(window, animationTimer);
    animationWindow.timerId = 0;
}

// Timer 1 wakes the animation when the point clock says the next wake-up is
// useful; it is set again only when that period changes.
void WakeAfter(HWND window, std::uint32_t milliseconds)
{
    const UINT period = std::max<UINT>(static_cast<UINT>(milliseconds), USER_TIMER_MINIMUM);
    if (animationWindow.timerId != 0 && animationWindow.timerPeriod == period) return;
    animationWindow.timerId = SetTimer(window, animationTimer, period, nullptr);
    animationWindow.timerPeriod = period;
}

void OnCreate(HWND window)
{
    LoadSettings();
    animationWindow.backgroundBrush = CreateSolidBrush(0);
    WakeAfter(window, animation.settings.timerInterval);
    StartAnimation(animation, static_cast<std::uint32_t>(std::time(nullptr)));
}

// Any timer draws the points that are due; only the clock ends a completion
// delay, so a stray timer message cannot cut it short.
void OnTimer(HWND window)
{
    GdiSurface surface(window);
    WakeAfter(window, AdvanceAnimation(animation, surface, GetTickCount()).wakeAfter);
}

LRESULT OnEraseBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, animationWindow.backgroundBrush);
    return 0;
}

// The timer stops while the close is decided. When the window stays (a
// refused password) the animation goes on where it was: the rest of the
// completion delay, or the next point one interval from now.
LRESULT OnClose(HWND window, WPARAM wParam, LPARAM lParam)
{
    StopTimer(window);
    const LRESULT result = InputWatchProc(window, WM_CLOSE, wParam, lParam);
    if (!IsWindow(window) || shellState.closeApproved || shellState.verifying) return result;
    WakeAfter(window, ResumeAnimation(animation, GetTickCount()));
    return result;
}

}  // namespace

LRESULT AnimationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        break;
    case WM_DESTROY:
        DeleteObject(animationWindow.backgroundBrush);
        animationWindow.backgroundBrush = nullptr;
        break;
    case WM_SIZE:
        ResizeAnimation(animation, LOWORD(lParam), HIWORD(lParam));
        return 0;
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
