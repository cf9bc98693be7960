// The saver's process-wide record, and the other records the Windows saver
// holds one of: the settings, the monitors' figure sequences and the
// animation window's resources.
#pragma once

#include <windows.h>

#include <cstdint>
#include <new>

#include "anim/DesktopLayout.h"
#include "settings/SaverSettings.h"

using InputContext = HANDLE;
using VerifyPasswordProc = BOOL(WINAPI*)(HWND);
using AssociateContextProc = InputContext(WINAPI*)(HWND, InputContext);

inline constexpr std::uint32_t neverVerified = 0xFFFFFFFF;

// Where a close of the full-screen saver stands. Messages that arrive while
// the password component asks (it runs a modal loop on this thread) see
// Verifying; once Approved the window only goes.
enum class CloseStage {
    Open,       // running; input asks for a close
    Verifying,  // the password component decides
    Approved,   // the window is being destroyed
};

struct SaverState {
    HINSTANCE moduleHandle = nullptr;
    HWND saverWindow = nullptr;
    bool isPreview = false;
    CloseStage closeStage = CloseStage::Open;
    HMODULE verifierLibrary = nullptr;
    VerifyPasswordProc verifyPassword = nullptr;
    HMODULE imeLibrary = nullptr;
    AssociateContextProc associateContext = nullptr;
    InputContext savedInputContext = nullptr;
    POINT cursorAnchor = {0, 0};
    std::uint32_t lastVerifyTick = neverVerified;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFaultFilter = nullptr;
    DWORD saverThreadId = 0;  // the thread that runs the mode
};

// The window resources of the animation, which the portable figure record
// cannot hold.
struct AnimationWindow {
    HBRUSH backgroundBrush = nullptr;
    UINT_PTR timerId = 0;
    UINT timerPeriod = 0;  // what timer 1 was last set to
};

// The monitors' figure sequences take some 200 KB: their record is plain
// zero-initialised storage, so it costs no file size, and the Desktop in it
// is made when the saver window is created.
struct DesktopRecord {
    alignas(Desktop) unsigned char storage[sizeof(Desktop)];

    Desktop& Make() { return *new (storage) Desktop; }
    Desktop& Made() { return *std::launder(reinterpret_cast<Desktop*>(storage)); }
};

extern SaverState saverState;
extern SaverSettings saverSettings;
extern DesktopRecord desktopRecord;
extern AnimationWindow animationWindow;
