// Input that closes the full-screen saver and input that does not: one
// table, the closing rows each in a saver of their own, the others all
// sent to one saver that must still run once it has handled them.
#include <functional>
#include <string>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"

namespace {

struct InputCase {
    const char* what;
    std::function<void(HWND)> send;
    bool closes;
};

void Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    PostMessageA(window, message, wParam, lParam);
}

// Moves the cursor to the rest position plus (dx, dy) and tells the saver.
void MoveBy(HWND window, int dx, int dy)
{
    SetCursorPos(SaverTest::cursorRest.x + dx, SaverTest::cursorRest.y + dy);
    Post(window, WM_MOUSEMOVE);
}

const InputCase inputCases[] = {
    {"system key down", [](HWND w) { Post(w, WM_SYSKEYDOWN, VK_MENU); }, true},
    {"left button", [](HWND w) { Post(w, WM_LBUTTONDOWN); }, true},
    {"right button", [](HWND w) { Post(w, WM_RBUTTONDOWN); }, true},
    {"middle button", [](HWND w) { Post(w, WM_MBUTTONDOWN); }, true},
    // Travel is measured from where the cursor was, not from the last move.
    {"travel of 5 in steps", [](HWND w) { MoveBy(w, 3, 1), MoveBy(w, 2, -2), MoveBy(w, 4, 1); }, true},
    {"travel of 4", [](HWND w) { MoveBy(w, 3, 1), MoveBy(w, 2, -2); }, false},
    {"key up", [](HWND w) { Post(w, WM_KEYUP, 'A', 0xC01E0001); }, false},
    {"button up", [](HWND w) { Post(w, WM_LBUTTONUP), Post(w, WM_RBUTTONUP); }, false},
    {"a character", [](HWND w) { Post(w, WM_CHAR, 'a'); }, false},
    {"losing activation", [](HWND w) {
         Post(w, WM_ACTIVATE, WA_INACTIVE), Post(w, WM_ACTIVATEAPP, FALSE), Post(w, WM_NCACTIVATE, FALSE);
     }, false},
};

class Input : public SaverTest {};

TEST_F(Input, FullScreenClosesOnKeysButtonsAndTravelOnly)
{
    DrawBusily();
    for (const InputCase& c : inputCases) {
        if (!c.closes) continue;
        SetCursorPos(cursorRest.x, cursorRest.y);
        FullScreenRun run;
        ASSERT_NE(run.window, nullptr);
        c.send(run.window);
        EXPECT_EQ(run.WaitExit(30000), 0u) << c.what;
    }
    SetCursorPos(cursorRest.x, cursorRest.y);
    FullScreenRun run;
    ASSERT_NE(run.window, nullptr);
    HostWindow other(100, 100);
    SetForegroundWindow(other.Handle());
    for (const InputCase& c : inputCases) {
        if (!c.closes) c.send(run.window);
    }
    SettleDrawing(run);
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(run.CloseWithAKey(), 0u);
}

}  // namespace
