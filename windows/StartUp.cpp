// Start-up, the command-line modes, and the fault filter around them.
#include <windows.h>

#include "windows/CommandLine.h"
#include "windows/DialogControls.h"
#include "windows/InputWatch.h"
#include "windows/SaverWindow.h"
#include "windows/SaverState.h"
#include "windows/SetupDialog.h"
#include "windows/SystemLibrary.h"

namespace {

using PasswordChangeProc = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);

HWND WindowFromNumber(std::uint32_t number) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(number)); }

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// A fault that escapes the running mode is offered to the system's
// unhandled-exception filter; when that handles it the system is told no
// saver runs any more and the process ends with what that call returned.
// It ends at once: the faulting thread may hold a lock (inside the password
// component, say) that an orderly exit would wait for, with the topmost
// window frozen over the desktop. A fault on a thread the saver did not
// start is not the saver's to end.
LONG WINAPI SaverFaultFilter(EXCEPTION_POINTERS* fault)
{
    if (GetCurrentThreadId() != saverState.saverThreadId) {
        return saverState.previousFaultFilter != nullptr ? saverState.previousFaultFilter(fault)
                                                         : EXCEPTION_CONTINUE_SEARCH;
    }
    // Put the previous filter back first: the system's filter calls the
    // installed one, which must not be this one again.
    SetUnhandledExceptionFilter(saverState.previousFaultFilter);
    if (UnhandledExceptionFilter(fault) == EXCEPTION_EXECUTE_HANDLER) {
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(SignalSaverRunning(FALSE)));
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

int RunPreview(const char* text)
{
    HWND parent = WindowFromNumber(ReadDecimal(text));
    if (parent == nullptr || !IsWindow(parent)) return -1;
    return RunSaverWindow(parent);
}

int RequestPasswordChange(const char* text)
{
    HWND owner = WindowFromNumber(ReadDecimal(text));
    if (owner == nullptr || !IsWindow(owner)) owner = GetForegroundWindow();
    HMODULE library = LoadSystemLibrary("MPR.DLL");
    if (library == nullptr) return 0;
    if (auto change = LookUpEntry<PasswordChangeProc>(library, "PwdChangePasswordA")) change("SCRSAVE", owner, 0, nullptr);
    FreeLibrary(library);
    return 0;
}

INT_PTR OpenSettingsDialog(HWND owner)
{
    return DialogBoxParamA(saverState.moduleHandle, MAKEINTRESOURCEA(IDD_SETUP), owner, SetupDialogProc, 0);
}

int RunMode(const SwitchScan& scan)
{
    switch (scan.mode) {
    case SaverMode::Configure:
        return static_cast<int>(OpenSettingsDialog(scan.ownedByForeground ? GetForegroundWindow() : nullptr));
    case SaverMode::FullScreen:
        return RunSaverWindow(nullptr);
    case SaverMode::Preview:
        return RunPreview(scan.rest);
    case SaverMode::ChangePassword:
        return RequestPasswordChange(scan.rest);
    case SaverMode::Unrecognised:
        break;
    }
    return -1;
}

int DispatchCommandLine(HINSTANCE moduleHandle, const char* commandTail)
{
    saverState.moduleHandle = moduleHandle;
    const SwitchScan scan = ScanSwitch(commandTail);
    saverState.saverThreadId = GetCurrentThreadId();
    saverState.previousFaultFilter = SetUnhandledExceptionFilter(SaverFaultFilter);
    const int result = RunMode(scan);
    SetUnhandledExceptionFilter(saverState.previousFaultFilter);
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return DispatchCommandLine(GetModuleHandleA(nullptr), SkipProgramName(GetCommandLineA(), IsLeadByte));
}
