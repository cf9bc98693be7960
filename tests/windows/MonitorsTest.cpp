// Two monitors (800x600 primary, 640x480 to its right, on a nested X server):
// the capture of the whole desktop equals the renderer's --monitors picture,
// so the window covers both, each with its own figures, over a window on the
// second; so it does after a display change, which starts new figures; and
// travel on the second monitor closes. The strip below the second monitor has
// no pixels to capture, and the renderer's picture keeps it black.
#include <memory>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"
#include "tests/windows/Prediction.h"

namespace {

class Monitors : public SaverTest {
protected:
    void SetUp() override
    {
        SaverTest::SetUp();
        if (GetSystemMetrics(SM_CMONITORS) != 2) GTEST_SKIP() << "needs a desktop of two monitors";
        settings_ = StoreSettings({{"RadiusFactor", 0}, {"ImagesPerSec", 1000}, {"EndDelay", 60}});
    }

    SaverSettings settings_;
};

TEST_F(Monitors, EachDrawsItsOwnFiguresOverTheWholeDesktopAndADisplayChangeStartsNewOnes)
{
    HostWindow other(200, 150);
    SetWindowPos(other.Handle(), nullptr, 900, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    std::unique_ptr<FullScreenRun> run;
    std::uint32_t seed = 0;
    HWND window = StartAndSeeFirstFigure(run, settings_, seed);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowFromPoint({950, 150}), window) << "the other window is hidden";

    // During the minute's delay: the new figures start at once, not when it ends.
    PostMessageA(window, WM_DISPLAYCHANGE, 24, MAKELPARAM(1440, 600));
    const ScreenPicture second = PredictPicture(settings_, seed, 2);
    EXPECT_TRUE(PumpUntil([&] { return CaptureScreen() == second; }, 30000)) << "every monitor starts a new figure";
    EXPECT_TRUE(run->Running());
}

TEST_F(Monitors, TravelOnTheSecondMonitorCloses)
{
    SetCursorPos(1000, 200);
    FullScreenRun run;
    ASSERT_NE(run.window, nullptr);
    SetCursorPos(1003, 202);
    PostMessageA(run.window, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(run.WaitExit(30000), 0u);
}

}  // namespace
