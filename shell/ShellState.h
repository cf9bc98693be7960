// The shell's process-wide record, and the other records the Windows saver
// holds one of: the figure engine's and the animation window's.
#pragma once

#include <windows.h>

#include <cstdint>

#include "anim/AnimationDriver.h"

using InputContext = HANDLE;
using VerifyPasswordProc = BOOL(WINAPI*)(HWND);
using AssociateContextProc = InputContext(WINAPI*)(HWND, InputContext);

inline constexpr std::uint32_t neverVerified = 0xFFFFFFFF;

struct ShellState {
    HINSTANCE moduleHandle = nullptr;
    HWND saverWindow = nullptr;
    bool isPreview = false;
    LONG closeApproved = 0;
    bool verifying = false;
    HMODULE verifierLibrary = nullptr;
    VerifyPasswordProc verifyPassword = nullptr;
    HMODULE imeLibrary = nullptr;
    AssociateContextProc associateContext = nullptr;
    InputContext savedInputContext = nullptr;
    POINT cursorAnchor = {0, 0};
    std::uint32_t lastVerifyTick = neverVerified;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFaultFilter = nullptr;
};

// The window resources of the animation, which the portable figure record
// cannot hold.
struct AnimationWindow {
    HBRUSH backgroundBrush = nullptr;
    UINT_PTR timerId = 0;
    UINT timerPeriod = 0;  // what timer 1 was last set to
};

extern ShellState shellState;
extern Animation animation;  // settings, figure, tables, stamp corners, generator
extern AnimationWindow animationWindow;
