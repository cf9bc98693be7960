// The preview host window of the Wine tests.
#include "tests/windows/HostWindow.h"

MSG HostWindow::lastRequest;

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP || message == WM_CONTEXTMENU) {
        HostWindow::lastRequest = {window, message, wParam, lParam, 0, {}};
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HostWindow::HostWindow(int clientWidth, int clientHeight)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GyrelaceTestHost";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    RegisterClassA(&windowClass);
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExA(0, "GyrelaceTestHost", "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    lastRequest = {};
}

HostWindow::~HostWindow() { Destroy(); }

void HostWindow::Destroy()
{
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
}
