// What the Wine tests share: starting the saver and waiting for it while
// this thread keeps answering its own windows, finding the saver's windows,
// the registry the saver reads, and pixels captured from the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline constexpr const char* screensaverRunningQuery = "--screensaver-running";

// Gyrelace.scr as a Windows path, from GYRELACE_SCR.
std::string SaverPath();
// A file beside this test program.
std::string BesideTests(const char* fileName);
// How long a saver may take to start: 10 s, or GYRELACE_START_MS where its
// loader is slow (the 32-bit saver under emulation).
DWORD StartLimitMs();

// Keeps this thread's windows answered while waiting.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

inline constexpr DWORD stillRunning = STILL_ACTIVE;

class SaverRun {
public:
    // Starts program with the whole command line as given (the program's
    // own name included, quoted or not).
    SaverRun(const std::string& commandLine, const std::string& program = SaverPath(),
             const char* directory = nullptr);
    ~SaverRun();
    SaverRun(const SaverRun&) = delete;
    SaverRun& operator=(const SaverRun&) = delete;

    bool Started() const { return process_ != nullptr; }
    // The exit code, or stillRunning when it has not ended within the time.
    DWORD WaitExit(DWORD timeoutMs);
    bool Running();
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_; }

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// "Gyrelace.scr" quoted, followed by the arguments.
std::string SaverCommand(const std::string& arguments);

// Starts the saver with each of these arguments at once, each from a thread
// of its own: Wine's CreateProcess returns only when the new process has
// loaded, which takes minutes where the 32-bit loader is emulated.
std::vector<std::unique_ptr<SaverRun>> StartTogether(const std::vector<std::string>& arguments);

// The saver's top-level window with this title, or a child of parent.
HWND FindSaverWindow(const char* title, HWND parent = nullptr);
HWND WaitForSaverWindow(const char* title, DWORD timeoutMs = StartLimitMs(), HWND parent = nullptr);
int CountSaverWindows(const char* title);

// Registry: the settings key, the desktop's password switch, and the test
// component's key, all reset before each test.
void ResetSaverRegistry();
void SetSetting(const char* name, DWORD value);
void SetPasswordWanted(DWORD value);
DWORD ReadTestNumber(const char* name, DWORD fallback = 0);
void SetTestNumber(const char* name, DWORD value);
std::string ReadTestText(const char* name);
// Runs reg.exe with these arguments; its exit code.
DWORD RunReg(const std::string& arguments);

// The test password component installed as the system's PASSWORD.CPL, or removed.
std::string SystemDirectoryFile(const char* fileName);
void InstallPasswordComponent(bool installed);

// Whether the system counts a screen saver as running, asked by a fresh
// process: each process keeps the first answer it read.
bool SystemSaysSaverRuns();

// A picture of the whole screen, as COLORREF values.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int LitPixels() const;
};
ScreenPicture CaptureScreen();

// Posts a key press to the saver window.
inline void PressKeyTo(HWND window) { PostMessageA(window, WM_KEYDOWN, 'A', 0x001E0001); }

// Closes every saver window and waits for their processes to end, so that
// one test's saver never meets the next test.
void CloseLeftoverSavers();

#include <gtest/gtest.h>

// Every Wine test starts from a clean slate: no saver running, no settings
// key, no password wanted, no password component, the cursor at rest.
class SaverTest : public ::testing::Test {
protected:
    static constexpr POINT cursorRest = {200, 200};

    void SetUp() override
    {
        CloseLeftoverSavers();
        ResetSaverRegistry();
        InstallPasswordComponent(false);
        SetCursorPos(cursorRest.x, cursorRest.y);
        UINT unused = 0;
        SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &unused, 0);
    }
    void TearDown() override { CloseLeftoverSavers(); }

    // Starts a full-screen saver and waits for its window.
    HWND StartFullScreen(SaverRun& run)
    {
        EXPECT_TRUE(run.Started());
        HWND window = WaitForSaverWindow("Screen Saver");
        EXPECT_NE(window, nullptr);
        return window;
    }

    static void PressKey(HWND window) { PressKeyTo(window); }
};
