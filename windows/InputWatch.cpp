// Input that ends the saver, the password check and its component.
#include "windows/InputWatch.h"

#include "common/PointerTravel.h"
#include "common/Ticks.h"
#include "windows/RegistryStore.h"
#include "windows/SaverState.h"
#include "windows/SystemLibrary.h"

namespace {

void RequestClose(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

LRESULT OnVerifyRequest(HWND window)
{
    if (saverState.verifyPassword == nullptr) return 1;
    return saverState.verifyPassword(window);
}

// Travel is measured from the anchor, not from the last message, so a slow
// drift closes the saver once it adds up.
void OnMouseMove(HWND window)
{
    POINT cursor;
    GetCursorPos(&cursor);
    if (PointerTravelEnds(cursor.x - saverState.cursorAnchor.x, cursor.y - saverState.cursorAnchor.y)) {
        RequestClose(window);
        saverState.cursorAnchor = cursor;
    }
}

LONG VerifyPassword(HWND window)
{
    saverState.closeStage = CloseStage::Verifying;
    MSG dropped;
    PeekMessageA(&dropped, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    PeekMessageA(&dropped, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    const LRESULT result = SendMessageA(window, VerifyRequestMessage, 0, 0);
    saverState.closeStage = result != 0 ? CloseStage::Approved : CloseStage::Open;
    if (result == 0) HideCursor();
    saverState.lastVerifyTick = GetTickCount();
    return result != 0 ? 1 : 0;
}

// Nonzero when the close may go on; the stage of the close says so too.
LONG ConfirmClose(HWND window)
{
    if (saverState.closeStage != CloseStage::Open) return 0;
    if (saverState.verifyPassword == nullptr) {
        saverState.closeStage = CloseStage::Approved;
        return 1;
    }
    const DWORD now = GetTickCount();
    if (saverState.lastVerifyTick == neverVerified || TicksSince(saverState.lastVerifyTick, now) >= reverifyPause) {
        return VerifyPassword(window);
    }
    return 0;  // refused a moment ago: refused again without asking
}

LRESULT OnClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ConfirmClose(window) != 0) return DefWindowProcA(window, message, wParam, lParam);
    GetCursorPos(&saverState.cursorAnchor);
    return 0;
}

}  // namespace

void HideCursor() { SetCursor(nullptr); }

LRESULT InputWatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (saverState.isPreview || saverState.closeStage == CloseStage::Approved) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_CLOSE) return OnClose(window, message, wParam, lParam);
    if (message == VerifyRequestMessage) return OnVerifyRequest(window);
    if (saverState.closeStage == CloseStage::Verifying) return DefWindowProcA(window, message, wParam, lParam);

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

void LoadPasswordCheck()
{
    if (saverState.verifierLibrary != nullptr) UnloadPasswordCheck();
    if (!DesktopWantsPassword()) return;
    saverState.verifierLibrary = LoadSystemLibrary("PASSWORD.CPL");
    if (saverState.verifierLibrary == nullptr) return;
    saverState.verifyPassword = LookUpEntry<VerifyPasswordProc>(saverState.verifierLibrary, "VerifyScreenSavePwd");
    if (saverState.verifyPassword != nullptr) {
        SignalSaverRunning(TRUE);
    } else {
        UnloadPasswordCheck();
    }
}

void UnloadPasswordCheck()
{
    if (saverState.verifierLibrary == nullptr) return;
    FreeLibrary(saverState.verifierLibrary);
    saverState.verifierLibrary = nullptr;
    if (saverState.verifyPassword != nullptr) {
        saverState.verifyPassword = nullptr;
        SignalSaverRunning(FALSE);
    }
}

BOOL SignalSaverRunning(BOOL running)
{
    UINT scratch = 0;
    return SystemParametersInfoA(SPI_SCREENSAVERRUNNING, static_cast<UINT>(running), &scratch, 0);
}
