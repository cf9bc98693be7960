// The configuration dialog, driven from outside as a user would: its
// controls as laid out, what it shows on opening, the live checks of the
// numeric fields with their warnings, Select All / None, OK and Cancel.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/SetupDialogIds.h"
#include "tests/windows/Harness.h"

namespace {

constexpr const char* setupTitle = "Gyrelace Setup - Version 1.10c";


constexpr int shapeBoxes[] = {1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012};
constexpr int rotationBoxes[] = {1016, 1017, 1018};
constexpr int zoomBoxes[] = {1029, 1030, 1031, 1032, 1033, 1034, 1035, 1039, 1040};

struct ControlRow {
    int id;  // -1 for the labels and group boxes
    const char* className;
    const char* caption;
    int x, y, width, height;
    DWORD style;  // the kind and flag bits the control must have
};

constexpr DWORD visibleChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD editStyle = visibleChild | WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD checkStyle = visibleChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD labelStyle = visibleChild | WS_GROUP | SS_LEFT;

// The dialog in template (tab) order.
const ControlRow controlTable[] = {
    {IDOK, "Button", "OK", 233, 144, 40, 14, visibleChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {IDCANCEL, "Button", "Cancel", 162, 144, 40, 14, visibleChild | WS_TABSTOP | BS_PUSHBUTTON},
    {idSelectAll, "Button", "Select &All", 10, 144, 45, 14, visibleChild | WS_TABSTOP | BS_PUSHBUTTON},
    {idSelectNone, "Button", "Select &None", 86, 144, 45, 14, visibleChild | WS_TABSTOP | BS_PUSHBUTTON},
    {-1, "Static", "Images Per Second :", 15, 14, 66, 9, labelStyle},
    {-1, "Button", "Display Options", 10, 5, 101, 52, visibleChild | BS_GROUPBOX},
    {idRate, "Edit", "", 83, 13, 20, 12, editStyle},
    {-1, "Static", "Object Size (%) :", 30, 28, 50, 9, labelStyle},
    {idSize, "Edit", "", 83, 27, 20, 12, editStyle},
    {-1, "Static", "Completion Delay (s) :", 13, 42, 66, 9, labelStyle},
    {idDelay, "Edit", "", 83, 41, 20, 12, editStyle},
    {-1, "Button", "Colour Option", 122, 5, 70, 52, visibleChild | BS_GROUPBOX},
    {idHigh, "Button", "High", 127, 16, 30, 10, visibleChild | WS_TABSTOP | BS_AUTORADIOBUTTON},
    {idMedium, "Button", "Medium", 127, 30, 40, 10, visibleChild | WS_TABSTOP | BS_AUTORADIOBUTTON},
    {idLow, "Button", "Low", 127, 44, 28, 10, visibleChild | WS_TABSTOP | BS_AUTORADIOBUTTON},
    {-1, "Button", "Rotation", 203, 5, 70, 52, visibleChild | BS_GROUPBOX},
    {1016, "Button", "None", 208, 16, 30, 10, checkStyle},
    {1017, "Button", "Clockwise", 208, 30, 44, 10, checkStyle},
    {1018, "Button", "Anti-Clockwise", 208, 44, 56, 10, checkStyle},
    {-1, "Button", "Shapes", 10, 65, 101, 69, visibleChild | BS_GROUPBOX},
    {1005, "Button", "Circle", 17, 77, 29, 10, checkStyle},
    {1009, "Button", "4 Point Star", 17, 88, 44, 10, checkStyle},
    {1012, "Button", "6 Point Star", 17, 99, 44, 10, checkStyle},
    {1008, "Button", "8 Point Star", 17, 110, 44, 10, checkStyle},
    {1006, "Button", "Square", 67, 77, 34, 10, checkStyle},
    {1007, "Button", "Diamond", 67, 88, 39, 10, checkStyle},
    {1010, "Button", "Triangle", 67, 99, 37, 10, checkStyle},
    {1011, "Button", "Pyramid", 67, 110, 36, 10, checkStyle},
    {idConnectDots, "Button", "Connect Dots", 17, 121, 87, 10, checkStyle},
    {-1, "Button", "Zoom Options", 122, 65, 151, 63, visibleChild | BS_GROUPBOX},
    {1032, "Button", "Very High", 127, 77, 46, 10, checkStyle},
    {1029, "Button", "High", 127, 88, 30, 10, checkStyle},
    {1030, "Button", "Medium", 127, 99, 40, 10, checkStyle},
    {1031, "Button", "Low", 127, 110, 28, 10, checkStyle},
    {1033, "Button", "1 Phase", 176, 84, 35, 10, checkStyle},
    {1034, "Button", "2 Phase", 176, 95, 36, 10, checkStyle},
    {1035, "Button", "4 Phase", 176, 106, 35, 10, checkStyle},
    {1039, "Button", "Start Small", 220, 88, 43, 10, checkStyle},
    {1040, "Button", "Start Large", 220, 99, 44, 10, checkStyle},
};

struct TextRequest {
    HWND dialog;
    int id;
    std::string text;
};

DWORD WINAPI SetTextThread(void* parameter)
{
    const auto* request = static_cast<const TextRequest*>(parameter);
    SetDlgItemTextA(request->dialog, request->id, request->text.c_str());
    return 0;
}

HWND FindWarning(const char* caption) { return FindWindowA("#32770", caption); }

// Every value under the settings key, type and bytes, to compare before and after.
std::map<std::string, std::vector<BYTE>> SettingsSnapshot()
{
    std::map<std::string, std::vector<BYTE>> snapshot;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "software\\wexmoor\\lumo_ss\\Settings", 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return snapshot;
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name, type = 0, dataSize = 64;
        std::vector<BYTE> data(64);
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS) break;
        data.resize(dataSize);
        data.push_back(static_cast<BYTE>(type));
        snapshot[name] = data;
    }
    RegCloseKey(key);
    return snapshot;
}

DWORD StoredSetting(const char* name)
{
    DWORD value = 0xDEADBEEF, size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, "software\\wexmoor\\lumo_ss\\Settings", name, RRF_RT_REG_DWORD, nullptr, &value,
                 &size);
    return value;
}

class Dialog : public SaverTest {
protected:
    void Open()
    {
        run_ = std::make_unique<SaverRun>(SaverCommand(""));
        ASSERT_TRUE(PumpUntil(
            [&] { return (dialog_ = FindWindowA(nullptr, setupTitle)) != nullptr && IsWindowVisible(dialog_); }, 10000));
    }

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    std::string Text(int id) const
    {
        char text[64] = {};
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }

    bool Checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

    HWND Focus() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info);
        return info.hwndFocus;
    }

    // Sets a field's text as typing would change it. A warning box blocks
    // the dialog's handling of the change, so the text is set from another
    // thread; returns the warning that came up with this caption, if any.
    HWND Type(int id, const char* text, const char* warningCaption)
    {
        TextRequest request{dialog_, id, text};
        HANDLE thread = CreateThread(nullptr, 0, SetTextThread, &request, 0, nullptr);
        HWND warning = nullptr;
        PumpUntil(
            [&] {
                warning = FindWarning(warningCaption);
                return (warning != nullptr && IsWindowVisible(warning)) || WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
            },
            5000);
        if (warning == nullptr) {
            WaitForSingleObject(thread, 5000);
            CloseHandle(thread);
            return nullptr;
        }
        pendingThread_ = thread;
        return warning;
    }

    static std::string WarningText(HWND warning)
    {
        char text[128] = {};
        GetDlgItemTextA(warning, 0xFFFF, text, sizeof text);
        return text;
    }

    // Presses the warning's OK and waits until the dialog has finished with the change.
    void Dismiss(HWND warning)
    {
        SendMessageA(GetDlgItem(warning, IDOK), BM_CLICK, 0, 0);
        PumpUntil([&] { return !IsWindow(warning); }, 5000);
        if (pendingThread_ != nullptr) {
            PumpUntil([&] { return WaitForSingleObject(pendingThread_, 0) == WAIT_OBJECT_0; }, 5000);
            CloseHandle(pendingThread_);
            pendingThread_ = nullptr;
        }
    }

    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }

    DWORD PressOk()
    {
        PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDOK)));
        return run_->WaitExit(5000);
    }

    DWORD PressCancel()
    {
        PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDCANCEL)));
        return run_->WaitExit(5000);
    }

    std::unique_ptr<SaverRun> run_;
    HWND dialog_ = nullptr;
    HANDLE pendingThread_ = nullptr;
};

// A copy of the dialog made in this process from the saver's own template,
// to convert dialog units to pixels with the same font.
HWND LocalCopyOfTheDialog()
{
    HMODULE saver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = FindResourceExA(saver, RT_DIALOG, MAKEINTRESOURCEA(2003),
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    if (resource == nullptr) return nullptr;
    const auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(saver, resource)));
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, nullptr,
                                      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

TEST_F(Dialog, LiveControlsMatchTheTableWithTheirPositions)
{
    Open();
    char title[64] = {};
    GetWindowTextA(dialog_, title, sizeof title);
    EXPECT_STREQ(title, setupTitle);
    const DWORD wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog_, GWL_STYLE)) & wanted, wanted);

    HWND local = LocalCopyOfTheDialog();
    ASSERT_NE(local, nullptr);
    RECT size = {0, 0, 284, 167};
    MapDialogRect(local, &size);
    RECT client;
    GetClientRect(dialog_, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    HWND control = GetWindow(dialog_, GW_CHILD);
    for (const ControlRow& row : controlTable) {
        ASSERT_NE(control, nullptr) << row.caption;
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(static_cast<short>(GetDlgCtrlID(control)), row.id);
        char className[32] = {}, caption[64] = {};
        GetClassNameA(control, className, sizeof className);
        GetWindowTextA(control, caption, sizeof caption);
        EXPECT_EQ(lstrcmpiA(className, row.className), 0) << className;
        if (row.id != idRate && row.id != idSize && row.id != idDelay) {
            EXPECT_STREQ(caption, row.caption);
        }
        // Every style bit of the table, but those a running control changes
        // itself: an edit turns its border into an edge (and Wine keeps the
        // digits-only flag inside), radio buttons move the tab stop to the
        // checked one.
        DWORD changing = 0;
        if (lstrcmpiA(row.className, "Edit") == 0) changing = WS_BORDER | ES_NUMBER;
        if ((row.style & 0xF) == BS_AUTORADIOBUTTON && lstrcmpiA(row.className, "Button") == 0) changing = WS_TABSTOP;
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style & row.style & ~changing, row.style & ~changing);
        EXPECT_EQ(style & 0xF, row.style & 0xF) << "the control's kind";
        const DWORD extended = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
        EXPECT_EQ((extended & WS_EX_TRANSPARENT) != 0, row.id == idConnectDots);

        // The dialog manager converts position and size each on its own.
        RECT position = {row.x, row.y, 0, 0}, extent = {0, 0, row.width, row.height};
        MapDialogRect(local, &position);
        MapDialogRect(local, &extent);
        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, position.left);
        EXPECT_EQ(actual.top, position.top);
        EXPECT_EQ(actual.right - actual.left, extent.right);
        EXPECT_EQ(actual.bottom - actual.top, extent.bottom);
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "no control beyond the table";
    DestroyWindow(local);
    EXPECT_EQ(PressCancel(), 0u);
}

TEST_F(Dialog, OpensOnTheDefaultsWithTheFocusOnOk)
{
    Open();
    EXPECT_EQ(Text(idRate), "50");
    EXPECT_EQ(Text(idSize), "8");
    EXPECT_EQ(Text(idDelay), "1");
    EXPECT_TRUE(Checked(idHigh));
    EXPECT_FALSE(Checked(idMedium));
    EXPECT_FALSE(Checked(idLow));
    for (int id : shapeBoxes) EXPECT_EQ(Checked(id), id == 1005) << id;
    for (int id : rotationBoxes) EXPECT_EQ(Checked(id), id == 1016) << id;
    for (int id : zoomBoxes) EXPECT_FALSE(Checked(id)) << id;
    EXPECT_FALSE(Checked(idConnectDots));
    EXPECT_EQ(Focus(), Item(IDOK));
    EXPECT_EQ(PressCancel(), 0u);
}

TEST_F(Dialog, SizeAboveFiveHundredResetsWithAWarningAndKeepsTheLastAcceptedValue)
{
    Open();
    const HWND focused = Focus();
    EXPECT_EQ(Type(idSize, "6", "Circle Radius"), nullptr);
    EXPECT_EQ(Type(idSize, "60", "Circle Radius"), nullptr);
    HWND warning = Type(idSize, "600", "Circle Radius");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(WarningText(warning), "Entry must be between 0 and 500 %");
    EXPECT_EQ(GetWindow(warning, GW_OWNER), nullptr) << "the warning has no owner";
    EXPECT_EQ(Text(idSize), "60");
    Dismiss(warning);
    EXPECT_TRUE(IsWindow(dialog_));
    EXPECT_EQ(Focus(), focused) << "the focus is where it was";
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("RadiusFactor"), 60u);
}

TEST_F(Dialog, DelayAndRateOutOfRangeWarnAndReset)
{
    Open();
    HWND warning = Type(idDelay, "61", "Completion Delay");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(WarningText(warning), "Entry must be between 0 and 60 (seconds)");
    EXPECT_EQ(Text(idDelay), "1");
    Dismiss(warning);

    EXPECT_EQ(Type(idRate, "25", "Images Per Second"), nullptr);
    warning = Type(idRate, "0", "Images Per Second");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(WarningText(warning), "Entry must be between 1 and 1000");
    EXPECT_EQ(Text(idRate), "25") << "back to the rate last accepted";
    Dismiss(warning);
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("EndDelay"), 1u);
    EXPECT_EQ(StoredSetting("ImagesPerSec"), 25u);
}

TEST_F(Dialog, AnEmptiedRateIsSavedAsTheDefaultWithoutAWarning)
{
    SetSetting("ImagesPerSec", 200);
    Open();
    EXPECT_EQ(Text(idRate), "200");
    EXPECT_EQ(Type(idRate, "", "Images Per Second"), nullptr);
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("ImagesPerSec"), 50u);
}

TEST_F(Dialog, SavedValuesComeBackWhenReopened)
{
    Open();
    EXPECT_EQ(Type(idSize, "29", "Circle Radius"), nullptr);
    EXPECT_EQ(Type(idRate, "400", "Images Per Second"), nullptr);
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("RadiusFactor"), 29u);
    EXPECT_EQ(StoredSetting("ImagesPerSec"), 500u) << "400 a second is an interval of 2 ms";

    Open();
    EXPECT_EQ(Text(idSize), "29");
    EXPECT_EQ(Text(idRate), "500");
    EXPECT_EQ(PressCancel(), 0u);
}

TEST_F(Dialog, SelectNoneAndSelectAllThenOk)
{
    SetSetting("ColourOption", 30);
    Open();
    Click(idSelectNone);
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("ObjectShape"), 0x002u);
    EXPECT_EQ(StoredSetting("ObjectRotation"), 0x2u);
    EXPECT_EQ(StoredSetting("ZoomOption"), 0u);
    EXPECT_EQ(StoredSetting("JoinTheDots"), 0u);
    EXPECT_EQ(StoredSetting("ColourOption"), 30u);

    Open();
    EXPECT_TRUE(Checked(idMedium));
    Click(idSelectAll);
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("ObjectShape"), 0x1FEu);
    EXPECT_EQ(StoredSetting("ObjectRotation"), 0xEu);
    EXPECT_EQ(StoredSetting("ZoomOption"), 0x3FEu);
    EXPECT_EQ(StoredSetting("JoinTheDots"), 1u);
    EXPECT_EQ(StoredSetting("ColourOption"), 30u) << "the colour stays as it was";
}

TEST_F(Dialog, CancelAfterEditsLeavesTheRegistryAsItWas)
{
    for (bool withKey : {false, true}) {
        ResetSaverRegistry();
        if (withKey) {
            SetSetting("RadiusFactor", 12);
            SetSetting("ObjectShape", 0x44);
        }
        const auto before = SettingsSnapshot();
        Open();
        Type(idSize, "77", "Circle Radius");
        Type(idRate, "9", "Images Per Second");
        Click(idSelectAll);
        Click(idLow);
        EXPECT_EQ(PressCancel(), 0u);
        EXPECT_EQ(SettingsSnapshot(), before) << (withKey ? "with values" : "without a key");
    }
}

TEST_F(Dialog, StoredValuesOutOfRangeOpenWithoutLoopingOrDividingByZero)
{
    SetSetting("ImagesPerSec", 0);
    SetSetting("RadiusFactor", 900);
    SetSetting("EndDelay", 0xFFFFFFFF);
    SetSetting("ColourOption", 7);
    Open();
    EXPECT_EQ(Text(idRate), "50");
    EXPECT_EQ(Text(idSize), "500");
    EXPECT_EQ(Text(idDelay), "0");
    EXPECT_TRUE(Checked(idHigh));
    EXPECT_EQ(FindWarning("Circle Radius"), nullptr);
    EXPECT_EQ(PressOk(), 1u);
    EXPECT_EQ(StoredSetting("RadiusFactor"), 500u);
    EXPECT_EQ(StoredSetting("ImagesPerSec"), 50u);
    EXPECT_EQ(StoredSetting("EndDelay"), 0u);
    EXPECT_EQ(StoredSetting("ColourOption"), 10u);
}

}  // namespace
