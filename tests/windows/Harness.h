// What the Wine tests share: starting and waiting for the saver while this
// thread keeps answering its own windows, the registry the saver reads, the
// stand-in password component, and the screen captured as COLORREF pixels.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline constexpr const char* screensaverRunningQuery = "--screensaver-running";

// Gyrelace.scr as a Windows path, from GYRELACE_SCR; a file beside the tests.
std::string SaverPath();
std::string BesideTests(const char* fileName);
// "Gyrelace.scr" quoted, followed by the arguments.
std::string SaverCommand(const std::string& arguments);
// How long a saver may take to start or a window to appear: 30 s, or
// GYRELACE_START_MS where the loader is slow (an emulated 32-bit one).
DWORD StartLimitMs();

// Keeps this thread's windows answered while waiting for a condition.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

class SaverRun {
public:
    // Starts program with the whole command line (its own name included).
    explicit SaverRun(const std::string& commandLine, const std::string& program = SaverPath(),
                      const char* directory = nullptr);
    ~SaverRun();
    SaverRun(const SaverRun&) = delete;
    SaverRun& operator=(const SaverRun&) = delete;

    bool Started() const { return process_ != nullptr; }
    // Why CreateProcess failed: Wine returns only once the new process has
    // loaded, and fails when it died on the way.
    DWORD StartError() const { return startError_; }
    // The exit code, or STILL_ACTIVE when it has not ended within the time.
    DWORD WaitExit(DWORD timeoutMs);
    bool Running();

private:
    HANDLE process_ = nullptr;
    DWORD startError_ = 0;
};

// A saver started full screen, with its window once shown (null, failing the
// test, when it never shows).
struct FullScreenRun : SaverRun {
    explicit FullScreenRun(const std::string& commandLine = SaverCommand("/s"), const std::string& program = SaverPath(),
                           const char* directory = nullptr);
    // Presses a key; the exit code once it has ended.
    DWORD CloseWithAKey(DWORD timeoutMs = 30000);
    HWND window;
};

// Starts the saver with each of these arguments at once, from threads: Wine's
// CreateProcess returns when the new process has loaded (minutes if emulated).
std::vector<std::unique_ptr<SaverRun>> StartTogether(const std::vector<std::string>& arguments);

// The saver's top-level window with this title, or a child of parent,
// once it is shown.
HWND WaitForSaverWindow(const char* title, HWND parent = nullptr);

// Clears the settings key, the desktop's password switch and the stand-in's key.
void ResetSaverRegistry();
void SetSetting(const char* name, DWORD value);
void WriteValue(const char* key, const char* name, DWORD type, const void* data, DWORD size);
DWORD StoredSetting(const char* name);  // 0xDEADBEEF when missing
// A value anywhere in the registry, or the fallback when it is missing.
DWORD ReadNumber(HKEY root, const char* keyPath, const char* name, DWORD fallback);
std::string ReadText(HKEY root, const char* keyPath, const char* name, const char* fallback);
void SetPasswordWanted(DWORD value);
DWORD ReadTestNumber(const char* name);
void SetTestNumber(const char* name, DWORD value);
std::string ReadTestText(const char* name);
std::string SystemDirectoryFile(const char* fileName);
// The stand-in component installed as the system's PASSWORD.CPL, or removed.
void InstallPasswordComponent(bool installed);

// The FNV-1a digest of one of the saver's resources (in its one language),
// 0 when it has none of that type and number.
std::uint64_t ResourceDigest(LPCSTR type, WORD id);

// Whether the system counts a screen saver as running, asked by a fresh
// process: each process keeps the first answer it read.
bool SystemSaysSaverRuns();

// The virtual screen (every monitor) as COLORREF pixels, or a picture of
// the same shape drawn by the engine.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int LitPixels() const { return static_cast<int>(pixels.size() - std::count(pixels.begin(), pixels.end(), 0u)); }
    bool operator==(const ScreenPicture&) const = default;
};
ScreenPicture CaptureScreen();

inline void PressKeyTo(HWND window) { PostMessageA(window, WM_KEYDOWN, 'A', 0x001E0001); }

// Ends every saver left running, so that one test's saver never meets the next.
void CloseLeftoverSavers();

#include <gtest/gtest.h>

// Every Wine test starts from a clean slate: no saver running, no settings
// key, no password wanted, no password component, the cursor at rest.
class SaverTest : public ::testing::Test {
public:
    static constexpr POINT cursorRest = {200, 200};

protected:
    void SetUp() override;
    void TearDown() override { CloseLeftoverSavers(); }

    // Single pixels at 1000 points a second with no delay: the screen
    // changes on every timer tick, which tells when the saver has handled
    // everything posted to it (timers come only when its queue is empty).
    static void DrawBusily();
    // Waits until the screen changes, that is until the saver has handled
    // all that was posted to it before (see DrawBusily), or has ended.
    static void SettleDrawing(SaverRun& run);
};
