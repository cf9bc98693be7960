// The preview: a child window that fills the host's preview area, ignores
// input, hands help requests to its host and ends when the host goes.
#include <memory>
#include <string>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"

namespace {

class Preview : public SaverTest {
protected:
    void StartPreview()
    {
        run_ = std::make_unique<SaverRun>(
            SaverCommand("/p " + std::to_string(reinterpret_cast<UINT_PTR>(host_.Handle()))));
        child_ = WaitForSaverWindow("Preview", 10000, host_.Handle());
        ASSERT_NE(child_, nullptr);
    }

    HostWindow host_{320, 240};
    std::unique_ptr<SaverRun> run_;
    HWND child_ = nullptr;
};

TEST_F(Preview, FillsTheHostsClientAreaFromItsTopLeftCorner)
{
    StartPreview();
    RECT client;
    GetClientRect(child_, &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 240);
    POINT origin = {0, 0};
    MapWindowPoints(child_, host_.Handle(), &origin, 1);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(GetParent(child_), host_.Handle());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child_, GWL_STYLE)) & 0xFFFF0000u, 0x52000000u);
    EXPECT_EQ(GetWindowLongA(child_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(Preview, InputNeverClosesIt)
{
    StartPreview();
    for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        PostMessageA(child_, message, 0, 0);
    }
    SetCursorPos(600, 500);
    PostMessageA(child_, WM_MOUSEMOVE, 0, 0);
    PumpFor(800);
    EXPECT_TRUE(run_->Running());
    EXPECT_TRUE(IsWindow(child_));
}

TEST_F(Preview, HelpAndContextMenuGoToTheHostWithItsOwnHandle)
{
    StartPreview();
    EXPECT_EQ(SendMessageA(child_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(child_), MAKELPARAM(12, 34)), 1);
    ASSERT_TRUE(PumpUntil([] { return HostWindow::lastRequest.message == WM_CONTEXTMENU; }, 3000));
    EXPECT_EQ(HostWindow::lastRequest.wParam, reinterpret_cast<WPARAM>(host_.Handle()));
    EXPECT_EQ(HostWindow::lastRequest.lParam, MAKELPARAM(12, 34));

    HELPINFO help = {};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.hItemHandle = child_;
    EXPECT_EQ(SendMessageA(child_, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    ASSERT_TRUE(PumpUntil([] { return HostWindow::lastRequest.message == WM_HELP; }, 3000));
    EXPECT_EQ(HostWindow::lastRequest.wParam, reinterpret_cast<WPARAM>(host_.Handle()));
}

TEST_F(Preview, EndsWithZeroWhenTheHostIsDestroyedOrItIsClosed)
{
    StartPreview();
    host_.Destroy();
    EXPECT_EQ(run_->WaitExit(5000), 0u);

    HostWindow second(160, 120);
    SaverRun run(SaverCommand("/p " + std::to_string(reinterpret_cast<UINT_PTR>(second.Handle()))));
    HWND child = WaitForSaverWindow("Preview", 10000, second.Handle());
    ASSERT_NE(child, nullptr);
    PostMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitExit(5000), 0u) << "no password is asked in the preview";
}

TEST_F(Preview, DoesNotCountAsARunningSaver)
{
    StartPreview();
    SaverRun fullScreen(SaverCommand("/s"));
    HWND window = StartFullScreen(fullScreen);
    ASSERT_NE(window, nullptr);
    PressKey(window);
    EXPECT_EQ(fullScreen.WaitExit(5000), 0u);
    EXPECT_TRUE(run_->Running());
}

}  // namespace
