// A stand-in for the system's password component (PASSWORD.CPL), whose
// answers the Wine tests script through HKCU\Software\GyrelaceTest:
// "Answer" is what VerifyScreenSavePwd returns, "Crash" makes it fault.
// It records where it was loaded from, each call and the owner window.
#include <windows.h>

namespace {

constexpr const char* testKey = "Software\\GyrelaceTest";

HKEY OpenTestKey()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, testKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

DWORD ReadNumber(HKEY key, const char* name)
{
    DWORD value = 0, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS) return 0;
    return value;
}

void WriteNumber(HKEY key, const char* name, DWORD value)
{
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(module, path, MAX_PATH);
        HKEY key = OpenTestKey();
        RegSetValueExA(key, "LoadedFrom", 0, REG_SZ, reinterpret_cast<const BYTE*>(path), lstrlenA(path) + 1);
        RegCloseKey(key);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner)
{
    HKEY key = OpenTestKey();
    WriteNumber(key, "Calls", ReadNumber(key, "Calls") + 1);
    WriteNumber(key, "Owner", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(owner)));
    const DWORD answer = ReadNumber(key, "Answer");
    const bool crash = ReadNumber(key, "Crash") != 0;
    RegCloseKey(key);
    if (crash) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    return answer != 0;
}
