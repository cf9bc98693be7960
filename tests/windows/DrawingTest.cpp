// When the saver draws: the finished figure stays for its completion delay
// whatever timer comes or password is refused meanwhile, then the next follows.
#include <memory>

#include "tests/windows/Harness.h"
#include "tests/windows/Prediction.h"

namespace {

class Drawing : public SaverTest {
protected:
    // Single pixels at 1000 points a second, the low colour floor; the
    // saver's window once its first figure is seen whole.
    HWND StartWithDelay(int endDelay)
    {
        settings_ = StoreSettings({{"RadiusFactor", 0}, {"ImagesPerSec", 1000}, {"ColourOption", 50},
                                   {"EndDelay", static_cast<std::uint32_t>(endDelay)}});
        HWND window = StartAndSeeFirstFigure(run_, settings_, seed_);
        firstSeen_ = GetTickCount();
        return window;
    }

    // Waits for the whole second figure; the milliseconds since the first was seen.
    DWORD WaitForSecondFigure()
    {
        const ScreenPicture second = PredictPicture(settings_, seed_, 2);
        EXPECT_TRUE(PumpUntil([&] { return CaptureScreen() == second; }, 30000)) << "the next figure follows";
        return GetTickCount() - firstSeen_;
    }

    std::unique_ptr<FullScreenRun> run_;
    SaverSettings settings_;
    std::uint32_t seed_ = 0;
    DWORD firstSeen_ = 0;
};

TEST_F(Drawing, TheFinishedFigureStaysForItsDelayWhateverTimerComesThenTheNextIsDrawn)
{
    HWND window = StartWithDelay(3);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_TIMER, 99, 0);  // a stray timer must not end the delay
    // The delay is 3 s; the figure was seen complete at most a moment late.
    EXPECT_GE(WaitForSecondFigure(), 1500u);
    EXPECT_EQ(run_->CloseWithAKey(), 0u);
}

TEST_F(Drawing, ARefusedPasswordDuringTheDelayKeepsTheFigureUntilTheDelayEnds)
{
    InstallPasswordComponent(true);
    SetPasswordWanted(1);
    HWND window = StartWithDelay(3);
    ASSERT_NE(window, nullptr);
    const ScreenPicture first = CaptureScreen();
    PressKeyTo(window);
    ASSERT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") == 1; }, 30000));
    EXPECT_EQ(CaptureScreen(), first) << "the figure stays";
    EXPECT_GE(WaitForSecondFigure(), 1500u);
    EXPECT_TRUE(run_->Running());
}

TEST_F(Drawing, InputDuringALongDelayClosesAtOnce)
{
    ASSERT_NE(StartWithDelay(60), nullptr);
    EXPECT_EQ(run_->CloseWithAKey(), 0u) << "long before the 60 s delay is over";
}

}  // namespace
