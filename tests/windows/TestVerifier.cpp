// A stand-in for the system's password component (PASSWORD.CPL), scripted
// through HKCU\Software\GyrelaceTest: "Answer" is what VerifyScreenSavePwd
// returns, "Crash" makes it fault (2: on a thread of its own), "Pump" keeps the
// saver's messages flowing, as a real password dialog does, until "Release".
// It records where it was loaded from, each call, the owner window and the
// deepest nesting of calls.
#include <windows.h>

namespace {

constexpr const char* testKey = "Software\\GyrelaceTest";

DWORD ReadNumber(const char* name)
{
    DWORD value = 0, size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, testKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

void WriteNumber(const char* name, DWORD value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, testKey, name, REG_DWORD, &value, sizeof value);
}

// Dispatches whatever reaches this thread until the test releases it.
void PumpUntilReleased()
{
    WriteNumber("Pumping", 1);
    const DWORD start = GetTickCount();
    while (ReadNumber("Release") == 0 && GetTickCount() - start < 60000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

LONG depth = 0;

DWORD WINAPI Fault(void*)
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(module, path, MAX_PATH);
        RegSetKeyValueA(HKEY_CURRENT_USER, testKey, "LoadedFrom", REG_SZ, path, lstrlenA(path) + 1);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner)
{
    ++depth;
    WriteNumber("Calls", ReadNumber("Calls") + 1);
    WriteNumber("Owner", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(owner)));
    if (static_cast<DWORD>(depth) > ReadNumber("MaxDepth")) WriteNumber("MaxDepth", static_cast<DWORD>(depth));
    if (ReadNumber("Crash") == 1) Fault(nullptr);
    if (ReadNumber("Crash") == 2) WaitForSingleObject(CreateThread(nullptr, 0, Fault, nullptr, 0, nullptr), INFINITE);
    if (ReadNumber("Pump") != 0) PumpUntilReleased();
    --depth;
    return ReadNumber("Answer") != 0;
}
