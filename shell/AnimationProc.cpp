// Timer 1 drives the figures: while a figure is drawn it fires every point
// interval and each tick draws the points that are due; after the last
// point it becomes a one-shot wait of the completion delay, so the window
// keeps answering input and its host while the finished figure is shown.
#include "shell/AnimationProc.h"

#include <algorithm>
#include <ctime>

#include "shell/GdiSurface.h"
#include "shell/InputWatch.h"
#include "shell/RegistryStore.h"
#include "shell/ShellState.h"

namespace {

std::uint32_t PointInterval() { return std::clamp<std::uint32_t>(animation.settings.timerInterval, 1, 1000); }

void StartTimer(HWND window, UINT milliseconds)
{
    animationWindow.timerId = SetTimer(window, animationTimer, milliseconds, nullptr);
}

void StopTimer(HWND window)
{
    if (animationWindow.timerId != 0) KillTimer(window, animationTimer);
    animationWindow.timerId = 0;
}

// The delay is over: the next figure's pair, the point timer and the erase.
void EndCompletionDelay(HWND window, GdiSurface& surface)
{
    StopTimer(window);
    BeginNextFigure(animation);
    StartTimer(window, PointInterval());
    surface.Erase();
}

void StartCompletionDelay(HWND window, GdiSurface& surface)
{
    StopTimer(window);
    const std::int32_t seconds = std::clamp(animation.settings.endDelay, 0, static_cast<std::int32_t>(maxEndDelay));
    if (seconds == 0) {
        EndCompletionDelay(window, surface);
        return;
    }
    animationWindow.delayEndTick = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    StartTimer(window, static_cast<UINT>(seconds) * 1000);
}

void OnCreate(HWND window)
{
    LoadSettings();
    animationWindow.backgroundBrush = CreateSolidBrush(0);
    StartTimer(window, PointInterval());
    StartAnimation(animation, static_cast<std::uint32_t>(std::time(nullptr)));
}

void OnTimer(HWND window)
{
    GdiSurface surface(window);
    // A finished figure is shown until its delay ends.
    if (FigureComplete(animation.figure)) {
        EndCompletionDelay(window, surface);
        return;
    }
    const int points = PointsDue(animationWindow.pacing, animation.figure.pointIndex, PointInterval(), GetTickCount());
    for (int i = 0; i < points; ++i) {
        if (DrawNextPoint(animation, surface).figureComplete) {
            StartCompletionDelay(window, surface);
            return;
        }
    }
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
    if (FigureComplete(animation.figure)) {
        const DWORD now = GetTickCount();
        const LONG left = static_cast<LONG>(animationWindow.delayEndTick - now);
        StartTimer(window, static_cast<UINT>(std::max<LONG>(left, USER_TIMER_MINIMUM)));
    } else {
        ResumePacing(animationWindow.pacing, animation.figure.pointIndex, PointInterval(), GetTickCount());
        StartTimer(window, PointInterval());
    }
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
