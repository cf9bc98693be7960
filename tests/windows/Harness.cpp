// Process, window, registry and screen helpers for the Wine tests.
#include "tests/windows/Harness.h"

#include <cstdlib>
#include <cstring>

#include "windows/RegistryStore.h"
#include "windows/SaverWindow.h"

namespace {

constexpr const char* testKey = "Software\\GyrelaceTest";
constexpr const char* desktopKey = "Control Panel\\Desktop";

}  // namespace

DWORD StartLimitMs()
{
    const char* limit = std::getenv("GYRELACE_START_MS");
    return limit != nullptr ? static_cast<DWORD>(std::strtoul(limit, nullptr, 10)) : 30000;
}

std::string SaverPath()
{
    const char* path = std::getenv("GYRELACE_SCR");
    return path != nullptr ? path : "Gyrelace.scr";
}

std::string BesideTests(const char* fileName)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path);
    return program.substr(0, program.find_last_of('\\') + 1) + fileName;
}

std::string SaverCommand(const std::string& arguments) { return "\"" + SaverPath() + "\" " + arguments; }

std::vector<std::unique_ptr<SaverRun>> StartTogether(const std::vector<std::string>& arguments)
{
    using Start = std::pair<std::string, std::unique_ptr<SaverRun>*>;  // a command line, where its run goes
    std::vector<std::unique_ptr<SaverRun>> runs(arguments.size());
    std::vector<Start> starts;
    for (std::size_t i = 0; i < runs.size(); ++i) starts.push_back({SaverCommand(arguments[i]), &runs[i]});
    std::vector<HANDLE> threads;
    for (Start& start : starts) {
        const auto thread = [](void* data) -> DWORD {
            auto* s = static_cast<Start*>(data);
            *s->second = std::make_unique<SaverRun>(s->first);
            return 0;
        };
        threads.push_back(CreateThread(nullptr, 0, thread, &start, 0, nullptr));
    }
    const auto count = static_cast<DWORD>(threads.size());
    PumpUntil([&] { return WaitForMultipleObjects(count, threads.data(), TRUE, 0) == WAIT_OBJECT_0; }, INFINITE);
    for (HANDLE thread : threads) CloseHandle(thread);
    return runs;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, timeoutMs - elapsed), QS_ALLINPUT);
    }
}

SaverRun::SaverRun(const std::string& commandLine, const std::string& program, const char* directory)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
    } else {
        startError_ = GetLastError();
    }
}

SaverRun::~SaverRun()
{
    if (process_ == nullptr) return;
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

DWORD SaverRun::WaitExit(DWORD timeoutMs)
{
    if (process_ == nullptr) return STILL_ACTIVE;
    PumpUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool SaverRun::Running() { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HWND WaitForSaverWindow(const char* title, HWND parent)
{
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindWindowExA(parent, nullptr, saverClassName, title)) && IsWindowVisible(found); },
              StartLimitMs());
    return found;
}

void WriteValue(const char* keyPath, const char* name, DWORD type, const void* data, DWORD size)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, keyPath, name, type, data, size);
}

void ResetSaverRegistry()
{
    // The maker's key: the first two levels of the settings key.
    const std::string settingsKey = settingsKeyPath;
    RegDeleteTreeA(HKEY_CURRENT_USER, settingsKey.substr(0, settingsKey.find('\\', settingsKey.find('\\') + 1)).c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, testKey);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, desktopKey, "ScreenSaveUsePassword");
}

void SetSetting(const char* name, DWORD value) { WriteValue(settingsKeyPath, name, REG_DWORD, &value, sizeof value); }
void SetPasswordWanted(DWORD value) { WriteValue(desktopKey, "ScreenSaveUsePassword", REG_DWORD, &value, sizeof value); }
void SetTestNumber(const char* name, DWORD value) { WriteValue(testKey, name, REG_DWORD, &value, sizeof value); }

DWORD ReadNumber(HKEY root, const char* keyPath, const char* name, DWORD fallback)
{
    DWORD value = fallback, size = sizeof value;
    RegGetValueA(root, keyPath, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

std::string ReadText(HKEY root, const char* keyPath, const char* name, const char* fallback)
{
    char text[MAX_PATH] = {};
    DWORD size = sizeof text;
    return RegGetValueA(root, keyPath, name, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS ? text : fallback;
}

DWORD StoredSetting(const char* name) { return ReadNumber(HKEY_CURRENT_USER, settingsKeyPath, name, 0xDEADBEEF); }
DWORD ReadTestNumber(const char* name) { return ReadNumber(HKEY_CURRENT_USER, testKey, name, 0); }
std::string ReadTestText(const char* name) { return ReadText(HKEY_CURRENT_USER, testKey, name, ""); }

std::string SystemDirectoryFile(const char* fileName)
{
    char directory[MAX_PATH];
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + fileName;
}

void InstallPasswordComponent(bool installed)
{
    const std::string target = SystemDirectoryFile("password.cpl");
    if (installed) {
        CopyFileA(BesideTests("test_verifier.dll").c_str(), target.c_str(), FALSE);
    } else {
        DeleteFileA(target.c_str());
    }
}

std::uint64_t ResourceDigest(LPCSTR type, WORD id)
{
    HMODULE saver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = FindResourceExA(saver, type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    std::uint64_t hash = 0;
    if (resource != nullptr) {
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(saver, resource)));
        hash = 0xCBF29CE484222325u;
        for (DWORD i = 0; i < SizeofResource(saver, resource); ++i) hash = (hash ^ bytes[i]) * 0x100000001B3u;
    }
    FreeLibrary(saver);
    return hash;
}

bool SystemSaysSaverRuns()
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    SaverRun query(std::string("\"") + program + "\" " + screensaverRunningQuery, program);
    return query.WaitExit(StartLimitMs()) == 1;
}

ScreenPicture CaptureScreen()
{
    ScreenPicture picture;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    picture.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    picture.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    // 32 bits a pixel, the rows top down.
    info.bmiHeader = {static_cast<DWORD>(sizeof info.bmiHeader), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    std::memset(bits, 0, 4 * picture.pixels.size());
    // Each monitor's part: what no monitor shows has no pixels to capture (a
    // nested X server gives whatever its memory holds there) and stays black.
    std::vector<RECT> monitors;
    EnumDisplayMonitors(nullptr, nullptr, [](HMONITOR, HDC, LPRECT r, LPARAM list) {
        reinterpret_cast<std::vector<RECT>*>(list)->push_back(*r);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&monitors));
    for (const RECT& r : monitors) {
        BitBlt(memory, r.left - left, r.top - top, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    }
    GdiFlush();
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i, bgrx += 4) picture.pixels[i] = RGB(bgrx[2], bgrx[1], bgrx[0]);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

void CloseLeftoverSavers()
{
    for (const char* title : {"Screen Saver", "Preview"}) {
        while (HWND window = FindWindowA(saverClassName, title)) {
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
            if (process == nullptr) break;
            TerminateProcess(process, 98);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
}

void SaverTest::SetUp()
{
    CloseLeftoverSavers();
    ResetSaverRegistry();
    InstallPasswordComponent(false);
    SetCursorPos(cursorRest.x, cursorRest.y);
    UINT unused = 0;
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &unused, 0);
}

void SaverTest::DrawBusily()
{
    SetSetting("RadiusFactor", 0);
    SetSetting("ImagesPerSec", 1000);
    SetSetting("EndDelay", 0);
}

FullScreenRun::FullScreenRun(const std::string& commandLine, const std::string& program, const char* directory)
    : SaverRun(commandLine, program, directory), window(WaitForSaverWindow("Screen Saver"))
{
    EXPECT_TRUE(Started()) << "CreateProcess failed with error " << StartError();
    EXPECT_NE(window, nullptr);
}

DWORD FullScreenRun::CloseWithAKey(DWORD timeoutMs)
{
    PressKeyTo(window);
    return WaitExit(timeoutMs);
}

void SaverTest::SettleDrawing(SaverRun& run)
{
    const ScreenPicture before = CaptureScreen();
    EXPECT_TRUE(PumpUntil([&] { return !run.Running() || !(CaptureScreen() == before); }, StartLimitMs()));
}
