// Closing with a password: the desktop's switch in its stored forms, the
// system's component (a stand-in in the system directory) deciding, refusing,
// pumping messages or faulting, and one planted beside the saver never loaded.
#include <string>
#include <vector>

#include "tests/windows/Harness.h"

namespace {

class Password : public SaverTest {
protected:
    void SetUp() override
    {
        SaverTest::SetUp();
        InstallPasswordComponent(true);
        SetPasswordWanted(1);
        DrawBusily();
    }
};

struct SwitchForm {
    const char* what;
    DWORD type;
    std::vector<BYTE> bytes;
    bool asks;
};

TEST_F(Password, TheSwitchAsksInEveryFormButNoneEmptyAndZero)
{
    const SwitchForm forms[] = {
        {"missing", REG_NONE, {}, false},
        {"DWORD 0", REG_DWORD, {0, 0, 0, 0}, false},
        {"text 0", REG_SZ, {'0', 0}, false},
        {"text ' 1'", REG_SZ, {' ', '1', 0}, true},
        {"text Y", REG_SZ, {'Y', 0}, true},
        {"empty text", REG_SZ, {0}, false},
        {"text too long to read", REG_SZ, {'0', '0', '0', '0', '0', 0}, true},
        {"binary 1", REG_BINARY, {1}, true},
        {"binary 0 0", REG_BINARY, {0, 0}, false},
    };
    for (const SwitchForm& form : forms) {
        ResetSaverRegistry();
        if (form.type != REG_NONE) {
            WriteValue("Control Panel\\Desktop", "ScreenSaveUsePassword", form.type, form.bytes.data(),
                       static_cast<DWORD>(form.bytes.size()));
        }
        FullScreenRun run;
        ASSERT_NE(run.window, nullptr) << form.what;
        PressKeyTo(run.window);
        if (form.asks) {
            EXPECT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") == 1; }, 30000)) << form.what;
            EXPECT_TRUE(run.Running()) << form.what;
        } else {
            EXPECT_EQ(run.WaitExit(30000), 0u) << form.what;
            EXPECT_EQ(ReadTestNumber("Calls"), 0u) << form.what;
        }
    }
}

TEST_F(Password, ARefusalKeepsTheSaverAnimatingAndACloseWithin200msIsNotAskedAgain)
{
    FullScreenRun run;
    ASSERT_NE(run.window, nullptr);
    // Two keys at once: the second close comes right after the first is refused.
    PressKeyTo(run.window);
    PressKeyTo(run.window);
    ASSERT_TRUE(PumpUntil([] { return ReadTestNumber("Calls") >= 1; }, 30000));
    EXPECT_EQ(ReadTestNumber("Owner"), static_cast<DWORD>(reinterpret_cast<UINT_PTR>(run.window)));
    SettleDrawing(run);
    SettleDrawing(run);  // the animation goes on after the refusal
    EXPECT_EQ(ReadTestNumber("Calls"), 1u);
    // Closes are refused without asking for 200 ms after a refusal; then
    // the next one asks again.
    EXPECT_TRUE(PumpUntil([&] { return PressKeyTo(run.window), ReadTestNumber("Calls") == 2; }, 30000));
    EXPECT_TRUE(run.Running());
}

TEST_F(Password, WhileTheComponentAsksNothingElseClosesOrAsksAgain)
{
    SetTestNumber("Pump", 1);
    FullScreenRun run;
    ASSERT_NE(run.window, nullptr);
    PressKeyTo(run.window);
    ASSERT_TRUE(PumpUntil([] { return ReadTestNumber("Pumping") == 1; }, 30000));
    PostMessageA(run.window, WM_CLOSE, 0, 0);
    PressKeyTo(run.window);
    PostMessageA(run.window, WM_LBUTTONDOWN, 0, 0);
    SetCursorPos(cursorRest.x + 50, cursorRest.y);
    PostMessageA(run.window, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(SendMessageA(run.window, WM_CLOSE, 0, 0), 0) << "a close during the check is refused at once";
    SetTestNumber("Release", 1);
    SettleDrawing(run);
    EXPECT_EQ(ReadTestNumber("Calls"), 1u);
    EXPECT_EQ(ReadTestNumber("MaxDepth"), 1u);
    EXPECT_TRUE(run.Running()) << "the window stays after a refusal";
}

TEST_F(Password, AnAcceptedPasswordClosesAndTheSystemKnewASaverRan)
{
    SetTestNumber("Answer", 1);
    EXPECT_FALSE(SystemSaysSaverRuns());
    FullScreenRun run;
    ASSERT_NE(run.window, nullptr);
    EXPECT_TRUE(SystemSaysSaverRuns());
    EXPECT_EQ(run.CloseWithAKey(), 0u);
    EXPECT_EQ(ReadTestNumber("Calls"), 1u);
    EXPECT_EQ(lstrcmpiA(ReadTestText("LoadedFrom").c_str(), SystemDirectoryFile("password.cpl").c_str()), 0)
        << ReadTestText("LoadedFrom");
    EXPECT_FALSE(SystemSaysSaverRuns());
}

// A fault on the saver's thread is handled by the system's filter; the
// saver tells the system it no longer runs and ends with that call's result
// (nonzero). A fault on a thread it did not start is the system's to end.
TEST_F(Password, AFaultInTheComponentEndsTheSaverAtOnceAndTheSystemIsTold)
{
    for (const auto& [crash, exitCode] : {std::pair{1u, 1u}, {2u, 0xC0000005u}}) {
        SetTestNumber("Crash", crash);
        FullScreenRun run;
        ASSERT_NE(run.window, nullptr);
        EXPECT_EQ(run.CloseWithAKey(), exitCode) << "crash " << crash;
        EXPECT_TRUE(crash != 1 || !SystemSaysSaverRuns()) << "the system is told no saver runs";
    }
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
    FullScreenRun run("\"" + program + "\" /s", program, downloads.c_str());
    ASSERT_NE(run.window, nullptr);
    EXPECT_EQ(run.CloseWithAKey(), 0u) << "without a system component the first key closes";
    EXPECT_EQ(ReadTestText("LoadedFrom"), "");
}

}  // namespace
