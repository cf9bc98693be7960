// Process, window, registry and screen helpers for the Wine tests.
#include "tests/windows/Harness.h"

#include <cstdlib>

namespace {

constexpr const char* settingsKey = "software\\wexmoor";
constexpr const char* testKey = "Software\\GyrelaceTest";
constexpr const char* desktopKey = "Control Panel\\Desktop";
constexpr const char* saverClass = "WindowsScreenSaverClass";

void WriteNumber(const char* keyPath, const char* name, DWORD value)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

}  // namespace

std::string SaverPath()
{
    const char* path = std::getenv("GYRELACE_SCR");
    return path != nullptr ? path : "Gyrelace.scr";
}

DWORD StartLimitMs()
{
    const char* limit = std::getenv("GYRELACE_START_MS");
    return limit != nullptr ? static_cast<DWORD>(std::strtoul(limit, nullptr, 10)) : 10000;
}

std::string BesideTests(const char* fileName)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.resize(directory.find_last_of('\\') + 1);
    return directory + fileName;
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

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

std::string SaverCommand(const std::string& arguments) { return "\"" + SaverPath() + "\" " + arguments; }

std::vector<std::unique_ptr<SaverRun>> StartTogether(const std::vector<std::string>& arguments)
{
    struct Start {
        std::string commandLine;
        std::unique_ptr<SaverRun> run;
        static DWORD WINAPI Thread(void* data)
        {
            auto* start = static_cast<Start*>(data);
            start->run = std::make_unique<SaverRun>(start->commandLine);
            return 0;
        }
    };
    std::vector<Start> starts(arguments.size());
    std::vector<HANDLE> threads;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        starts[i].commandLine = SaverCommand(arguments[i]);
        threads.push_back(CreateThread(nullptr, 0, Start::Thread, &starts[i], 0, nullptr));
    }
    PumpUntil([&] { return WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, 0) == WAIT_OBJECT_0; },
              INFINITE);
    std::vector<std::unique_ptr<SaverRun>> runs;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        CloseHandle(threads[i]);
        runs.push_back(std::move(starts[i].run));
    }
    return runs;
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
        processId_ = info.dwProcessId;
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
    if (process_ == nullptr) return stillRunning;
    PumpUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = stillRunning;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool SaverRun::Running() { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HWND FindSaverWindow(const char* title, HWND parent)
{
    if (parent != nullptr) return FindWindowExA(parent, nullptr, saverClass, title);
    return FindWindowA(saverClass, title);
}

HWND WaitForSaverWindow(const char* title, DWORD timeoutMs, HWND parent)
{
    HWND found = nullptr;
    // Found once its creation is complete and it is shown.
    PumpUntil([&] { return (found = FindSaverWindow(title, parent)) != nullptr && IsWindowVisible(found); }, timeoutMs);
    return found;
}

int CountSaverWindows(const char* title)
{
    struct Count {
        const char* title;
        int count;
    } count{title, 0};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* c = reinterpret_cast<Count*>(data);
            char className[64] = {}, text[64] = {};
            GetClassNameA(window, className, sizeof className);
            GetWindowTextA(window, text, sizeof text);
            if (lstrcmpA(className, saverClass) == 0 && lstrcmpA(text, c->title) == 0) ++c->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.count;
}

void ResetSaverRegistry()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, settingsKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, testKey);
    HKEY desktop;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, desktopKey, 0, KEY_ALL_ACCESS, &desktop) == ERROR_SUCCESS) {
        RegDeleteValueA(desktop, "ScreenSaveUsePassword");
        RegCloseKey(desktop);
    }
}

void SetSetting(const char* name, DWORD value) { WriteNumber("software\\wexmoor\\lumo_ss\\Settings", name, value); }
void SetPasswordWanted(DWORD value) { WriteNumber(desktopKey, "ScreenSaveUsePassword", value); }
void SetTestNumber(const char* name, DWORD value) { WriteNumber(testKey, name, value); }

DWORD ReadTestNumber(const char* name, DWORD fallback)
{
    DWORD value = fallback, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, testKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return fallback;
    }
    return value;
}

std::string ReadTestText(const char* name)
{
    char text[MAX_PATH] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, testKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) return {};
    return text;
}

DWORD RunReg(const std::string& arguments)
{
    SaverRun reg("reg.exe " + arguments, SystemDirectoryFile("reg.exe"));
    return reg.WaitExit(20000);
}

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

bool SystemSaysSaverRuns()
{
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    SaverRun query(std::string("\"") + program + "\" " + screensaverRunningQuery, program);
    return query.WaitExit(10000) == 1;
}

int ScreenPicture::LitPixels() const
{
    int lit = 0;
    for (std::uint32_t p : pixels) lit += p != 0 ? 1 : 0;
    return lit;
}

ScreenPicture CaptureScreen()
{
    ScreenPicture picture;
    picture.width = GetSystemMetrics(SM_CXSCREEN);
    picture.height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint8_t* p = bgrx + 4 * i;
        picture.pixels[i] = RGB(p[2], p[1], p[0]);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

void CloseLeftoverSavers()
{
    for (const char* title : {"Screen Saver", "Preview"}) {
        while (HWND window = FindWindowA(saverClass, title)) {
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
