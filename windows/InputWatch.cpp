// Input that ends the saver, the password check and its component.
#include "windows/InputWatch.h"

#include "common/PointerTravel.h"
#include "common/Ticks.h"
#include "windows/RegistryStore.h"
#include "windows/ShellState.h"
#include "windows/SystemLibrary.h"

namespace {

void RequestClose(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

LRESULT OnClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ConfirmClose(window) != 0) return DefWindowProcA(window, message, wParam, lParam);
    GetCursorPos(&shellState.cursorAnchor);
    return 0;
}

LRESULT OnVerifyRequest(HWND window)
{
    if (shellState.verifyPassword == nullptr) return 1;
    return shellState.verifyPassword(window);
}

// Travel is measured from the anchor, not from the last message, so a slow
// drift closes the saver once it adds up.
void OnMouseMove(HWND window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    if (PointerTravelEnds(cursor.x - shellState.cursorAnchor.x, cursor.y - shellState.cursorAnchor.y)) {
        RequestClose(window);
        shellState.cursorAnchor = cursor;
    }
}

LONG VerifyPassword(HWND window)
{
    shellState.closeStage = CloseStage::Verifying;
    MSG dropped;
    PeekMessageA(&dropped, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    PeekMessageA(&dropped, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    const LRESULT result = SendMessageA(window, VerifyRequestMessage, 0, 0);
    shellState.closeStage = result != 0 ? CloseStage::Approved : CloseStage::Open;
    if (result == 0) HideCursor();
    shellState.lastVerifyTick = GetTickCount();
    return result != 0 ? 1 : 0;
}

}  // namespace

void HideCursor() { SetCursor(nullptr); }

LRESULT InputWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (shellState.isPreview || shellState.closeStage == CloseStage::Approved) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_CLOSE) return OnClose(window, message, wParam, lParam);
    if (message == VerifyRequestMessage) return OnVerifyRequest(window);
    if (shellState.closeStage == CloseStage::Verifying) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != 0) HideCursor();
        break;
    case WM_SETCURSOR:
        HideCursor();
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        RequestClose(window);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(window);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LONG ConfirmClose(HWND window)
{
    if (shellState.closeStage != CloseStage::Open) return 0;
    if (shellState.verifyPassword == nullptr) {
        shellState.closeStage = CloseStage::Approved;
        return 1;
    }
    const DWORD now = GetTickCount();
    if (shellState.lastVerifyTick == neverVerified || TicksSince(shellState.lastVerifyTick, now) >= reverifyPause) {
        return VerifyPassword(window);
    }
    return 0;  // refused a moment ago: refused again without asking
}

void LoadPasswordCheck()
{
    if (shellState.verifierLibrary != nullptr) UnloadPasswordCheck();
    if (!DesktopWantsPassword()) return;
    shellState.verifierLibrary = LoadSystemLibrary("PASSWORD.CPL");
    if (shellState.verifierLibrary == nullptr) return;
    shellState.verifyPassword = LookUpEntry<VerifyPasswordProc>(shellState.verifierLibrary, "VerifyScreenSavePwd");
    if (shellState.verifyPassword != nullptr) {
        SignalSaverRunning(TRUE);
    } else {
        UnloadPasswordCheck();
    }
}

void UnloadPasswordCheck()
{
    if (shellState.verifierLibrary == nullptr) return;
    FreeLibrary(shellState.verifierLibrary);
    shellState.verifierLibrary = nullptr;
    if (shellState.verifyPassword != nullptr) {
        shellState.verifyPassword = nullptr;
        SignalSaverRunning(FALSE);
    }
}

BOOL SignalSaverRunning(BOOL running)
{
    UINT scratch = 0;
    return SystemParametersInfoA(SPI_SCREENSAVERRUNNING, static_cast<UINT>(running), &scratch, 0);
}
