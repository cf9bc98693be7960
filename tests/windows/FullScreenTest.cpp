// The full-screen saver: its window, the single-instance rule, what input
// closes it and what does not, and the requests it refuses.
#include <string>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"

namespace {

class FullScreen : public SaverTest {};

TEST_F(FullScreen, IsATopmostScreenSizedSaverWindowThatAKeyEndsWithZero)
{
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(frame.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & 0xFFFF0000u, 0x96000000u);
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(0x2B));
    PressKey(window);
    EXPECT_EQ(run.WaitExit(StartLimitMs()), 0u);
}

TEST_F(FullScreen, ASecondStartBringsTheFirstForwardAndMakesNoWindow)
{
    SaverRun first(SaverCommand("/s"));
    HWND window = StartFullScreen(first);
    ASSERT_NE(window, nullptr);
    HostWindow other(100, 100);
    SetForegroundWindow(other.Handle());
    PumpFor(200);

    SaverRun second(SaverCommand("/s"));
    EXPECT_EQ(second.WaitExit(5000), 0u);
    EXPECT_EQ(CountSaverWindows("Screen Saver"), 1);
    PumpFor(200);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_TRUE(first.Running());
}

TEST_F(FullScreen, AKeyOrAButtonCloses)
{
    for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        SaverRun run(SaverCommand("/s"));
        HWND window = StartFullScreen(run);
        ASSERT_NE(window, nullptr);
        PostMessageA(window, message, 0, 0);
        EXPECT_EQ(run.WaitExit(5000), 0u) << "message " << message;
    }
}

TEST_F(FullScreen, MouseTravelOfFiveClosesButFourDoesNot)
{
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    // Three right and one down is a travel of 4, measured from where the cursor was.
    SetCursorPos(cursorRest.x + 3, cursorRest.y + 1);
    PostMessageA(window, WM_MOUSEMOVE, 0, 0);
    PumpFor(300);
    SetCursorPos(cursorRest.x + 2, cursorRest.y - 2);
    PostMessageA(window, WM_MOUSEMOVE, 0, 0);
    PumpFor(500);
    ASSERT_TRUE(run.Running());
    // One more pixel from the anchor, not from the last position.
    SetCursorPos(cursorRest.x + 4, cursorRest.y + 1);
    PostMessageA(window, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(run.WaitExit(5000), 0u);
}

TEST_F(FullScreen, KeyUpButtonUpCharactersAndDeactivationDoNotClose)
{
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_KEYUP, 'A', 0xC01E0001);
    PostMessageA(window, WM_LBUTTONUP, 0, 0);
    PostMessageA(window, WM_RBUTTONUP, 0, 0);
    PostMessageA(window, WM_CHAR, 'a', 0);
    PostMessageA(window, WM_ACTIVATE, WA_INACTIVE, 0);
    PostMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    PostMessageA(window, WM_NCACTIVATE, FALSE, 0);
    HostWindow other(100, 100);
    SetForegroundWindow(other.Handle());
    PumpFor(800);
    EXPECT_TRUE(run.Running());
    PressKey(window);
    EXPECT_EQ(run.WaitExit(5000), 0u);
}

TEST_F(FullScreen, RefusesTitleChangesAndTheBlockedSystemCommands)
{
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(SetWindowTextA(window, "Something else"));
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Screen Saver");
    for (WPARAM command : {SC_SCREENSAVE, SC_NEXTWINDOW, SC_PREVWINDOW}) {
        EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, command, 0), 0);
    }
    EXPECT_EQ(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    PumpFor(300);
    EXPECT_TRUE(run.Running());
    // A system command that is not blocked goes on to the system: close.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run.WaitExit(5000), 0u);
}

// The display name, the class icon, the version and the manifest are the
// saver's own resources.
TEST(Resources, NameIconVersionAndManifest)
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
