// The saver window's class, its two forms and the first stage of its
// message chain: the input method, the cursor, help in the preview, blocked
// system commands and the quit message.
#include "windows/SaverWindow.h"

#include "windows/AnimationProc.h"
#include "windows/InputWatch.h"
#include "windows/Monitors.h"
#include "windows/SaverState.h"
#include "windows/SystemLibrary.h"

namespace {

constexpr DWORD fullScreenStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD previewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

// The saver never loads the input-method library; it only detaches the
// window when the process already has it.
void DetachInputMethod(HWND window)
{
    saverState.imeLibrary = GetModuleHandleA("IMM32.DLL");
    if (saverState.imeLibrary == nullptr) return;
    saverState.associateContext = LookUpEntry<AssociateContextProc>(saverState.imeLibrary, "ImmAssociateContext");
    if (saverState.associateContext != nullptr) saverState.savedInputContext = saverState.associateContext(window, nullptr);
}

void RestoreInputMethod(HWND window)
{
    if (saverState.imeLibrary != nullptr && saverState.associateContext != nullptr &&
        saverState.savedInputContext != nullptr) {
        saverState.associateContext(window, saverState.savedInputContext);
    }
}

LRESULT OnCreate(HWND window, WPARAM wParam, LPARAM lParam)
{
    DetachInputMethod(window);
    GetCursorPos(&saverState.cursorAnchor);
    if (!saverState.isPreview) HideCursor();
    return AnimationProc(window, WM_CREATE, wParam, lParam);
}

LRESULT OnDestroy(HWND window, WPARAM wParam, LPARAM lParam)
{
    RestoreInputMethod(window);
    PostQuitMessage(0);
    return AnimationProc(window, WM_DESTROY, wParam, lParam);
}

constexpr UINT helpForwardTimeout = 1000;

// The preview's host shows the help and context menu of its own window.
// A help request carries a pointer, which the system refuses to post to
// another process, so it is sent, with a time limit in case the host hangs.
LRESULT ForwardHelpToHost(HWND window, UINT message, LPARAM lParam)
{
    HWND parent = GetParent(window);
    if (parent == nullptr || !IsWindow(parent)) return 1;
    const auto parentHandle = reinterpret_cast<WPARAM>(parent);
    if (message == WM_HELP) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(parent, message, parentHandle, lParam, SMTO_ABORTIFHUNG, helpForwardTimeout, &ignored);
    } else {
        PostMessageA(parent, message, parentHandle, lParam);
    }
    return 1;
}

bool IsBlockedSystemCommand(WPARAM command)
{
    return command == SC_NEXTWINDOW || command == SC_PREVWINDOW || command == SC_SCREENSAVE;
}

// The quit message's exit code; 0 when the loop itself fails.
int RunMessageLoop()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 0;
}

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, wParam, lParam);
    case WM_DESTROY:
        return OnDestroy(window, wParam, lParam);
    case WM_SETTEXT:
        return 0;
    case WM_PAINT:
        if (saverState.closeStage == CloseStage::Approved) return DefWindowProcA(window, message, wParam, lParam);
        if (!saverState.isPreview) HideCursor();
        break;
    case WM_HELP:
    case WM_CONTEXTMENU:
        if (saverState.isPreview) return ForwardHelpToHost(window, message, lParam);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (saverState.closeStage == CloseStage::Approved) return DefWindowProcA(window, message, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if (!saverState.isPreview && IsBlockedSystemCommand(wParam)) return 0;
        break;
    case WM_TIMER:
        if (saverState.closeStage == CloseStage::Approved) return 0;
        Sleep(0);
        break;
    default:
        break;
    }
    return AnimationProc(window, message, wParam, lParam);
}

}  // namespace

int RunSaverWindow(HWND parent)
{
    WNDCLASSA windowClass = {};
    windowClass.hIcon = LoadIconA(saverState.moduleHandle, MAKEINTRESOURCEA(saverIconId));
    windowClass.style = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SaverWindowProc;
    windowClass.hInstance = saverState.moduleHandle;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = saverClassName;

    int left = 0, top = 0, width, height;
    const char* title;
    DWORD style, extendedStyle;
    if (parent != nullptr) {
        RECT client = {0, 0, 0, 0};  // a parent that has just gone gives an empty window
        GetClientRect(parent, &client);
        width = client.right;
        height = client.bottom;
        saverState.isPreview = true;
        title = previewTitle;
        style = previewStyle;
        extendedStyle = 0;
    } else {
        // Every monitor is covered, not only the primary one.
        const RECT screen = VirtualScreen();
        left = screen.left;
        top = screen.top;
        width = screen.right - screen.left;
        height = screen.bottom - screen.top;
        HWND running = FindWindowA(saverClassName, fullScreenTitle);
        if (running != nullptr && IsWindow(running)) {
            SetForegroundWindow(running);
            return 0;
        }
        LoadPasswordCheck();
        title = fullScreenTitle;
        style = fullScreenStyle;
        extendedStyle = WS_EX_TOPMOST;
    }

    if (RegisterClassA(&windowClass) != 0) {
        saverState.saverWindow = CreateWindowExA(extendedStyle, saverClassName, title, style, left, top, width, height,
                                                 parent, nullptr, saverState.moduleHandle, nullptr);
    }
    int result = -1;
    if (saverState.saverWindow != nullptr) {
        if (parent == nullptr) SetForegroundWindow(saverState.saverWindow);
        result = RunMessageLoop();
    }
    UnloadPasswordCheck();
    return result;
}
