// A stand-in for the display settings' preview area: a window in this
// test process whose handle is given to the saver with /p, and which
// records the help and context-menu requests forwarded to it.
#pragma once

#include <windows.h>

class HostWindow {
public:
    HostWindow(int clientWidth, int clientHeight);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return window_; }
    void Destroy();
    static MSG lastRequest;

private:
    HWND window_ = nullptr;
};
