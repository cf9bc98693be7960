// The command line as the desktop's screen-saver host gives it: a table of
// command lines with the mode each runs and how it ends, windowed or at once.
#include <string>
#include <vector>

#include "tests/windows/Harness.h"
#include "tests/windows/HostWindow.h"
#include "windows/DialogControls.h"

namespace {


enum class Ends {
    OnAKey,            // full screen until a key
    WithItsHost,       // a preview inside the host (# in the tail) until the host goes
    DialogOwned,       // the settings dialog owned by the foreground window, Cancel gives 0
    DialogUnowned,     // the same with no owner
};

struct SwitchCase {
    std::string commandLine;  // # stands for the host window's number
    Ends ends;
    std::string program = SaverPath();
};

class Switches : public SaverTest {
protected:
    void Run(const SwitchCase& c)
    {
        HostWindow host(200, 150);
        SetForegroundWindow(host.Handle());
        PumpUntil([&] { return GetForegroundWindow() == host.Handle(); }, 5000);
        std::string line = c.commandLine;
        if (const auto mark = line.find('#'); mark != std::string::npos) {
            line.replace(mark, 1, std::to_string(reinterpret_cast<UINT_PTR>(host.Handle())));
        }
        SCOPED_TRACE(line);
        SaverRun run(line, c.program);
        if (c.ends == Ends::OnAKey) {
            HWND window = WaitForSaverWindow("Screen Saver");
            ASSERT_NE(window, nullptr);
            PressKeyTo(window);
        } else if (c.ends == Ends::WithItsHost) {
            ASSERT_NE(WaitForSaverWindow("Preview", host.Handle()), nullptr);
            host.Destroy();
        } else {
            HWND dialog = nullptr;
            ASSERT_TRUE(PumpUntil([&] { return (dialog = FindWindowA(nullptr, SETUP_CAPTION)) != nullptr; }, 30000));
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), c.ends == Ends::DialogOwned ? host.Handle() : nullptr);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        EXPECT_EQ(run.WaitExit(30000), 0u);
    }
};

TEST_F(Switches, EachTailWithAWindowRunsItsModeAndEndsWithItsCode)
{
    const std::string quoted = "C:\\Gyrelace test dir\\Gyre lace.scr";
    CreateDirectoryA("C:\\Gyrelace test dir", nullptr);
    ASSERT_TRUE(CopyFileA(SaverPath().c_str(), quoted.c_str(), FALSE));
    // The scan itself is checked case by case natively; these are its ends.
    const SwitchCase cases[] = {
        {"\"" + quoted + "\" -S", Ends::OnAKey, quoted},
        {SaverCommand("/l   #"), Ends::WithItsHost},
        {SaverCommand("/c:1234"), Ends::DialogOwned},
        {SaverCommand(""), Ends::DialogUnowned},
        // An unterminated quote swallows the switch: the dialog, with no owner.
        {"\"" + SaverPath() + " /s", Ends::DialogUnowned},
    };
    for (const SwitchCase& c : cases) Run(c);
}

// Started together, as none waits for another: unknown switches and missing
// windows give -1, the password change 0.
TEST_F(Switches, TailsWithoutAWindowEndAtOnceWithTheirCodes)
{
    ASSERT_FALSE(IsWindow(reinterpret_cast<HWND>(1234)));
    HostWindow host(200, 150);
    const std::string number = std::to_string(reinterpret_cast<UINT_PTR>(host.Handle()));
    const std::vector<std::string> tails = {"/x", "/p 1234", "/p:" + number, "/a " + number};
    const DWORD codes[] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0};
    const auto runs = StartTogether(tails);
    for (std::size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(runs[i]->WaitExit(StartLimitMs()), codes[i]) << tails[i];
}

}  // namespace
