// The saver's two windows as other programs see them: the full-screen
// window over the whole desktop, the single-instance rule and the requests
// it refuses; the preview filling its host, handing help to it and ending
// with it; and the saver's own resources.
#include <memory>
#include <string>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"

namespace {

class Window : public SaverTest {};

TEST_F(Window, FullScreenIsOneTopmostWindowOverTheWholeDesktopThatRefusesTitlesAndSwitching)
{
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(frame.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(frame.right - frame.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(frame.bottom - frame.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & 0xFFFF0000u, 0x96000000u);
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(0x2B));

    EXPECT_FALSE(SetWindowTextA(window, "Something else"));
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Screen Saver");
    for (WPARAM command : {SC_SCREENSAVE, SC_NEXTWINDOW, SC_PREVWINDOW}) {
        EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, command, 0), 0) << command;
    }
    EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);

    // A second start brings the first forward and makes no window; a
    // preview does not count as a running saver.
    HostWindow other(100, 100);
    SetForegroundWindow(other.Handle());
    SaverRun second(SaverCommand("/s"));
    EXPECT_EQ(second.WaitExit(StartLimitMs()), 0u);
    EXPECT_EQ(CountSaverWindows("Screen Saver"), 1);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000));
    EXPECT_TRUE(run.Running());

    // A system command that is not blocked goes on to the system: close.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run.WaitExit(30000), 0u);
}

TEST_F(Window, PreviewFillsItsHostHandsItHelpAndEndsWithIt)
{
    HostWindow host(320, 240);
    SaverRun run(SaverCommand("/p " + std::to_string(reinterpret_cast<UINT_PTR>(host.Handle()))));
    HWND child = WaitForSaverWindow("Preview", host.Handle());
    ASSERT_NE(child, nullptr);
    RECT client;
    GetClientRect(child, &client);
    POINT origin = {0, 0};
    MapWindowPoints(child, host.Handle(), &origin, 1);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)) & 0xFFFF0000u, 0x52000000u);
    EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // Help and the context menu reach the host with its own handle.
    EXPECT_EQ(SendMessageA(child, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(child), MAKELPARAM(12, 34)), 1);
    ASSERT_TRUE(PumpUntil([] { return HostWindow::lastRequest.message == WM_CONTEXTMENU; }, 5000));
    EXPECT_EQ(HostWindow::lastRequest.wParam, reinterpret_cast<WPARAM>(host.Handle()));
    EXPECT_EQ(HostWindow::lastRequest.lParam, MAKELPARAM(12, 34));
    HELPINFO help = {};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.hItemHandle = child;
    EXPECT_EQ(SendMessageA(child, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    ASSERT_TRUE(PumpUntil([] { return HostWindow::lastRequest.message == WM_HELP; }, 5000));
    EXPECT_EQ(HostWindow::lastRequest.wParam, reinterpret_cast<WPARAM>(host.Handle()));

    // A full-screen saver starts beside it.
    SaverRun fullScreen(SaverCommand("/s"));
    HWND window = StartFullScreen(fullScreen);
    ASSERT_NE(window, nullptr);
    PressKeyTo(window);
    EXPECT_EQ(fullScreen.WaitExit(30000), 0u);

    host.Destroy();
    EXPECT_EQ(run.WaitExit(30000), 0u);
}

// The display name, the class icon, the version and the manifest are the
// saver's own resources.
TEST(Resources, NameIconVersionManifestAndDialog)
{
    HMODULE saver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(saver, nullptr);
    char name[64] = {};
    EXPECT_GT(LoadStringA(saver, 1, name, sizeof name), 0);
    EXPECT_STREQ(name, "Gyrelace");
    HRSRC group = FindResourceA(saver, MAKEINTRESOURCEA(100), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    // The group's single entry: 32 x 32 pixels in 16 colours.
    const auto* entry = static_cast<const BYTE*>(LockResource(LoadResource(saver, group)));
    EXPECT_EQ(entry[4], 1) << "one icon";
    EXPECT_EQ(entry[6], 32);
    EXPECT_EQ(entry[7], 32);
    EXPECT_EQ(entry[8], 16);
    EXPECT_NE(FindResourceA(saver, MAKEINTRESOURCEA(1), RT_VERSION), nullptr);
    HRSRC manifest = FindResourceA(saver, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(saver, manifest))),
                           SizeofResource(saver, manifest));
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(FindResourceA(saver, MAKEINTRESOURCEA(2003), RT_DIALOG), nullptr);
    FreeLibrary(saver);
}

}  // namespace
