// The saver's two windows as other programs see them (the full-screen one,
// one instance only; the preview in its host, which also ends it among the
// switches), and the saver's own resources.
#include <string>
#include <tuple>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"

namespace {

class Window : public SaverTest {};

TEST_F(Window, FullScreenIsOneTopmostWindowOverTheWholeDesktopThatRefusesTitlesAndSwitching)
{
    FullScreenRun run;
    ASSERT_NE(run.window, nullptr);
    RECT frame;
    GetWindowRect(run.window, &frame);
    EXPECT_EQ(std::tuple(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top),
              std::tuple(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                         GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    EXPECT_NE(GetWindowLongA(run.window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    EXPECT_FALSE(SetWindowTextA(run.window, "Something else"));
    char title[64] = {};
    GetWindowTextA(run.window, title, sizeof title);
    EXPECT_STREQ(title, "Screen Saver");
    for (WPARAM command : {SC_SCREENSAVE, SC_NEXTWINDOW, SC_PREVWINDOW}) {
        EXPECT_EQ(SendMessageA(run.window, WM_SYSCOMMAND, command, 0), 0) << command;
    }
    EXPECT_EQ(SendMessageA(run.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(run.window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);

    // A second start brings the first forward and makes no window; a
    // preview does not count as a running saver.
    HostWindow other(100, 100);
    SetForegroundWindow(other.Handle());
    SaverRun second(SaverCommand("/s"));
    EXPECT_EQ(second.WaitExit(StartLimitMs()), 0u) << "a window of its own would keep it running";
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == run.window; }, 5000));

    // A system command that is not blocked goes on to the system: close.
    PostMessageA(run.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run.WaitExit(30000), 0u);
}

TEST_F(Window, PreviewFillsItsHostHandsItHelpIgnoresInputAndClosesWithoutAPassword)
{
    // A password is wanted, and the component accepts it: only the full-screen saver asks.
    InstallPasswordComponent(true);
    SetPasswordWanted(1);
    SetTestNumber("Answer", 1);
    HostWindow host(320, 240);
    SaverRun run(SaverCommand("/p " + std::to_string(reinterpret_cast<UINT_PTR>(host.Handle()))));
    HWND child = WaitForSaverWindow("Preview", host.Handle());
    ASSERT_NE(child, nullptr);
    RECT area;  // its client area in the host's
    GetClientRect(child, &area);
    MapWindowPoints(child, host.Handle(), reinterpret_cast<POINT*>(&area), 2);
    EXPECT_EQ(std::tuple(area.left, area.top, area.right, area.bottom), std::tuple(0, 0, 320, 240));
    EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // Help and the context menu reach the host with its own handle.
    EXPECT_EQ(SendMessageA(child, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(child), MAKELPARAM(12, 34)), 1);
    ASSERT_TRUE(PumpUntil([] { return HostWindow::lastRequest.message == WM_CONTEXTMENU; }, 5000));
    EXPECT_EQ(HostWindow::lastRequest.wParam, reinterpret_cast<WPARAM>(host.Handle()));
    EXPECT_EQ(HostWindow::lastRequest.lParam, MAKELPARAM(12, 34));
    HELPINFO help = {sizeof help, HELPINFO_WINDOW, 0, child, 0, {}};  // help asked for the whole window
    EXPECT_EQ(SendMessageA(child, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    ASSERT_TRUE(PumpUntil([] { return HostWindow::lastRequest.message == WM_HELP; }, 5000));
    EXPECT_EQ(HostWindow::lastRequest.wParam, reinterpret_cast<WPARAM>(host.Handle()));

    // Input does not close it. The preview is not drawn on this screen, so
    // the full-screen saver that starts beside it gives it time to handle it.
    SetCursorPos(600, 500);
    for (UINT input : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_MOUSEMOVE}) {
        PostMessageA(child, input, 0, 0);
    }
    FullScreenRun fullScreen;
    ASSERT_NE(fullScreen.window, nullptr);
    EXPECT_EQ(fullScreen.CloseWithAKey(), 0u);
    EXPECT_EQ(ReadTestNumber("Calls"), 1u);
    EXPECT_TRUE(run.Running());

    PostMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitExit(30000), 0u);
    EXPECT_EQ(ReadTestNumber("Calls"), 1u) << "the preview asks for no password";
}

// The saver's own resources, each pinned by a digest of its bytes: the display
// name, the class icon (its group and its one 32 x 32, 16-colour image), the
// settings dialog, the version and the manifest (per-monitor DPI awareness).
// Any change to res/ changes a digest: look at the result, then take the new one.
TEST(Resources, EachIsPinnedByADigest)
{
    const struct {
        LPCSTR type;
        WORD id;
        std::uint64_t digest;
    } resources[] = {
        {RT_STRING, 1, 0x00D3C243E4C3A6DFu},    {RT_GROUP_ICON, 100, 0x8D2AFE7CBD621707u},
        {RT_ICON, 1, 0x6DEB09BA32A91A1Eu},      {RT_DIALOG, 2003, 0x4823F0C26DD463FFu},
        {RT_VERSION, 1, 0x60AE10FDBF34700Du},   {RT_MANIFEST, 1, 0x5E9B825B90703064u},
    };
    for (const auto& r : resources) {
        EXPECT_EQ(ResourceDigest(r.type, r.id), r.digest)
            << reinterpret_cast<UINT_PTR>(r.type) << " " << r.id << ": 0x" << std::hex << ResourceDigest(r.type, r.id);
    }
}

}  // namespace
