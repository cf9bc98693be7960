// The command line as the desktop's screen-saver host gives it: each tail
// runs its mode and ends with its exit code.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"

namespace {

constexpr DWORD minusOne = 0xFFFFFFFF;
constexpr const char* setupTitle = "Gyrelace Setup - Version 1.10c";

class Switches : public SaverTest {};

std::string Number(HWND window) { return std::to_string(reinterpret_cast<UINT_PTR>(window)); }

TEST_F(Switches, FullScreenTailsRunUntilAKey)
{
    for (const char* tail : {"/s", "-S", "/scr", "s", "/-/ s"}) {
        SaverRun run(SaverCommand(tail));
        HWND window = StartFullScreen(run);
        ASSERT_NE(window, nullptr) << tail;
        PressKey(window);
        EXPECT_EQ(run.WaitExit(5000), 0u) << tail;
    }
}

TEST_F(Switches, PreviewTailsRunInsideALiveHostUntilItGoes)
{
    for (const char* form : {"/p ", "/P", "/l   ", "-L"}) {
        HostWindow host(200, 150);
        SaverRun run(SaverCommand(form + Number(host.Handle())));
        ASSERT_NE(WaitForSaverWindow("Preview", 10000, host.Handle()), nullptr) << form;
        host.Destroy();
        EXPECT_EQ(run.WaitExit(5000), 0u) << form;
    }
}

TEST_F(Switches, UnknownSwitchesAndMissingWindowsEndWithMinusOne)
{
    HostWindow host(200, 150);
    ASSERT_FALSE(IsWindow(reinterpret_cast<HWND>(1234)));
    const std::vector<std::string> tails = {"/x", "/\ts", "1", "/p 1234", "/p", "/p 0", "/p:" + Number(host.Handle()),
                                            "/l:" + Number(host.Handle())};
    // Started together, as none depends on another; none ever shows a window.
    const auto runs = StartTogether(tails);
    bool windowSeen = false;
    PumpUntil(
        [&] {
            windowSeen |= FindSaverWindow("Preview", host.Handle()) != nullptr || CountSaverWindows("Screen Saver") != 0;
            return std::none_of(runs.begin(), runs.end(), [](const auto& run) { return run->Running(); });
        },
        StartLimitMs());
    for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i]->WaitExit(0), minusOne) << tails[i];
    EXPECT_FALSE(windowSeen);
}

TEST_F(Switches, ChangingThePasswordEndsWithZero)
{
    HostWindow owner(100, 100);
    for (const std::string& tail : {std::string("/a"), "/a " + Number(owner.Handle()), std::string("/a:1234")}) {
        SaverRun run(SaverCommand(tail));
        EXPECT_EQ(run.WaitExit(10000), 0u) << tail;
    }
}

TEST_F(Switches, AQuotedProgramPathWithBlanksIsSkippedWhole)
{
    const std::string directory = "C:\\Gyrelace test dir";
    const std::string program = directory + "\\Gyre lace.scr";
    CreateDirectoryA(directory.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(SaverPath().c_str(), program.c_str(), FALSE));

    SaverRun run("\"" + program + "\" /s", program);
    HWND window = StartFullScreen(run);
    ASSERT_NE(window, nullptr);
    PressKey(window);
    EXPECT_EQ(run.WaitExit(5000), 0u);
}

// The dialog is found by its title; Cancel ends the mode with 0.
void ExpectDialogOwnedBy(SaverRun& run, HWND owner, const std::string& what)
{
    HWND dialog = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (dialog = FindWindowA(nullptr, setupTitle)) != nullptr; }, 10000)) << what;
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner) << what;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(run.WaitExit(5000), 0u) << what;
}

TEST_F(Switches, ConfigurationIsOwnedByTheForegroundWindowOnlyWithC)
{
    HostWindow foreground(100, 100);
    SetForegroundWindow(foreground.Handle());
    PumpFor(100);
    for (const char* tail : {"/c", "/c:1234", "-C 77"}) {
        SaverRun run(SaverCommand(tail));
        ExpectDialogOwnedBy(run, foreground.Handle(), tail);
    }
    for (const char* tail : {"", "  ", "/ -"}) {
        SaverRun run(SaverCommand(tail));
        ExpectDialogOwnedBy(run, nullptr, std::string("tail '") + tail + "'");
    }
    // An unterminated quote swallows the switch: the dialog, with no owner.
    SaverRun unterminated("\"" + SaverPath() + " /s", SaverPath());
    ExpectDialogOwnedBy(unterminated, nullptr, "unterminated quote");
}

}  // namespace
