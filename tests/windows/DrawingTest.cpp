// What the saver draws and when: in single-pixel mode the screen equals the
// renderer's picture for the second that seeded it, the finished figure
// stays for its completion delay whatever timer message comes or password
// is refused meanwhile, and the next figure follows it. Settings are
// written with reg add, as a user would.
#include <ctime>
#include <string>

#include "tests/windows/Harness.h"
#include "tests/windows/Prediction.h"
#include "windows/RegistryStore.h"

namespace {

class Drawing : public SaverTest {
protected:
    // Single pixels at 1000 points a second, the low colour floor.
    void WritePixelSettings(int endDelay)
    {
        const std::string key = std::string("add HKCU\\") + settingsKeyPath + " /t REG_DWORD /f ";
        for (const std::string& value : {std::string("RadiusFactor /d 0"), std::string("ImagesPerSec /d 1000"),
                                         std::string("ColourOption /d 50"), "EndDelay /d " + std::to_string(endDelay)}) {
            SaverRun reg("reg.exe " + key + "/v " + value, SystemDirectoryFile("reg.exe"));
            ASSERT_EQ(reg.WaitExit(30000), 0u) << value;
        }
        settings_.radiusFactor = 0.0;
        settings_.timerInterval = 1;
        settings_.colourOption = ColourLow;
        settings_.endDelay = endDelay;
    }

    // Starts the saver and waits until the screen shows a candidate seed's
    // whole first figure; the time it did.
    HWND StartAndSeeFirstFigure(SaverRun& run)
    {
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        HWND window = StartFullScreen(run);
        const auto after = static_cast<std::uint32_t>(std::time(nullptr));
        EXPECT_TRUE(WaitForPredictedPicture(settings_, before, after, 1, seed_))
            << "the screen never showed the first figure of any nearby seed";
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

    SaverSettings settings_;
    std::uint32_t seed_ = 0;
    DWORD firstSeen_ = 0;
};

TEST_F(Drawing, TheFinishedFigureStaysForItsDelayWhateverTimerComesThenTheNextIsDrawn)
{
    WritePixelSettings(3);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartAndSeeFirstFigure(run);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_TIMER, 99, 0);  // a stray timer must not end the delay
    // The delay is 3 s; the figure was seen complete at most a moment late.
    EXPECT_GE(WaitForSecondFigure(), 1500u);
    PressKeyTo(window);
    EXPECT_EQ(run.WaitExit(30000), 0u);
}

TEST_F(Drawing, ARefusedPasswordDuringTheDelayKeepsTheFigureUntilTheDelayEnds)
{
    InstallPasswordComponent(true);
    SetPasswordWanted(1);
    WritePixelSettings(3);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartAndSeeFirstFigure(run);
    ASSERT_NE(window, nullptr);
    const ScreenPicture first = CaptureScreen();
    PressKeyTo(window);
    ASSERT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") == 1; }, 30000));
    EXPECT_EQ(CaptureScreen(), first) << "the figure stays";
    EXPECT_GE(WaitForSecondFigure(), 1500u);
    EXPECT_TRUE(run.Running());
}

TEST_F(Drawing, InputDuringALongDelayClosesAtOnce)
{
    WritePixelSettings(60);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartAndSeeFirstFigure(run);
    ASSERT_NE(window, nullptr);
    PressKeyTo(window);
    EXPECT_EQ(run.WaitExit(30000), 0u) << "long before the 60 s delay is over";
}

}  // namespace
