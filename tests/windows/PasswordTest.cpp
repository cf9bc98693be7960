// Closing with a password: the system's component (here a test stand-in in
// the system directory) decides; a refusal keeps the saver animating, a
// close right after a refusal is not asked again, and a component planted
// beside the saver is never loaded.
#include <string>

#include "tests/windows/Harness.h"

namespace {

class Password : public SaverTest {
protected:
    void SetUp() override
    {
        SaverTest::SetUp();
        InstallPasswordComponent(true);
        SetPasswordWanted(1);
        SetSetting("RadiusFactor", 0);
        SetSetting("ImagesPerSec", 1000);
        SetSetting("EndDelay", 0);
    }
};

TEST_F(Password, ARefusalKeepsTheSaverAnimatingAndACloseWithin200msIsNotAskedAgain)
{
    SetTestNumber("Answer", 0);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    // Two keys at once: the second close arrives right after the first is refused.
    PressKey(window);
    PressKey(window);
    ASSERT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") >= 1; }, 5000));
    EXPECT_EQ(ReadTestNumber("Owner"), static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window)));
    PumpFor(500);
    EXPECT_EQ(ReadTestNumber("Calls"), 1u);
    ASSERT_TRUE(run.Running());
    const ScreenPicture before = CaptureScreen();
    PumpFor(600);
    EXPECT_NE(before.pixels, CaptureScreen().pixels) << "the animation goes on after a refusal";
    // Later than 200 ms the next close asks again.
    PressKey(window);
    EXPECT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") == 2; }, 5000));
    EXPECT_TRUE(run.Running());
}

TEST_F(Password, AnAcceptedPasswordClosesAndTheSystemKnewASaverRan)
{
    SetTestNumber("Answer", 1);
    EXPECT_FALSE(SystemSaysSaverRuns());
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(SystemSaysSaverRuns());
    PressKey(window);
    EXPECT_EQ(run.WaitExit(5000), 0u);
    EXPECT_EQ(ReadTestNumber("Calls"), 1u);
    EXPECT_EQ(lstrcmpiA(ReadTestText("LoadedFrom").c_str(), SystemDirectoryFile("password.cpl").c_str()), 0)
        << ReadTestText("LoadedFrom");
    EXPECT_FALSE(SystemSaysSaverRuns());
}

TEST_F(Password, AComponentBesideTheSaverIsNeverLoaded)
{
    InstallPasswordComponent(false);
    const std::string downloads = "C:\\users\\Public\\Downloads\\gyrelace";
    CreateDirectoryA("C:\\users\\Public\\Downloads", nullptr);
    CreateDirectoryA(downloads.c_str(), nullptr);
    const std::string program = downloads + "\\Gyrelace.scr";
    ASSERT_TRUE(CopyFileA(SaverPath().c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(BesideTests("test_verifier.dll").c_str(), (downloads + "\\PASSWORD.CPL").c_str(), FALSE));
    SetTestNumber("Answer", 0);

    SaverRun run("\"" + program + "\" /s", program, downloads.c_str());
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    PressKey(window);
    EXPECT_EQ(run.WaitExit(5000), 0u) << "without a system component the first key closes";
    EXPECT_EQ(ReadTestText("LoadedFrom"), "");
    EXPECT_EQ(ReadTestNumber("Calls"), 0u);
}

TEST_F(Password, TheDesktopsTextSwitchIsReadAsTheNumberItSpells)
{
    SetTestNumber("Answer", 0);
    for (const char* text : {"0", "1"}) {
        ASSERT_EQ(RunReg(std::string("add \"HKCU\\Control Panel\\Desktop\" /v ScreenSaveUsePassword /t REG_SZ /d ") +
                         text + " /f"),
                  0u);
        SetTestNumber("Calls", 0);
        SaverRun run(SaverCommand("/s"));
        HWND window = StartFullScreen(run);
        ASSERT_NE(window, nullptr);
        PressKey(window);
        if (text[0] == '0') {
            EXPECT_EQ(run.WaitExit(5000), 0u) << "\"0\" asks for no password";
            EXPECT_EQ(ReadTestNumber("Calls"), 0u);
        } else {
            EXPECT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") == 1; }, 5000)) << "\"1\" asks";
            EXPECT_TRUE(run.Running());
        }
    }
}

TEST_F(Password, AFaultEscapingTheSaverEndsItThroughTheSystemsFilter)
{
    SetTestNumber("Crash", 1);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    PressKey(window);
    // The fault is handled by the system's filter; the saver then tells the
    // system it no longer runs and ends with that call's result (nonzero).
    EXPECT_EQ(run.WaitExit(10000), 1u);
    EXPECT_FALSE(SystemSaysSaverRuns());
}

}  // namespace
