// The configuration dialog, driven from outside as a user would: its
// controls as laid out; one table of sessions (entries typed, with the
// warnings and fields they bring, buttons clicked, OK or Cancel, and what
// the registry then holds); and one table of stored values, hand-edited or
// not, with what the dialog shows for them and a saver that runs on them.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "windows/SetupDialogIds.h"
#include "tests/windows/Harness.h"

namespace {

constexpr const char* setupTitle = "Gyrelace Setup - Version 1.10c";



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

// The eight stored values, to compare before and after (0xDEADBEEF: missing).
std::vector<DWORD> SettingsSnapshot()
{
    std::vector<DWORD> values;
    for (const char* name : {"RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape", "ObjectRotation",
                             "ColourOption", "ZoomOption", "EndDelay"}) {
        values.push_back(StoredSetting(name));
    }
    return values;
}

// What a warning box said while it was up, and the field's text then.
struct Warning {
    std::string text;
    bool owned = false;
    std::string field;
    bool operator==(const Warning&) const = default;
};

class Dialog : public SaverTest {
protected:
    void Open()
    {
        run_ = std::make_unique<SaverRun>(SaverCommand(""));
        ASSERT_TRUE(PumpUntil(
            [&] { return (dialog_ = FindWindowA(nullptr, setupTitle)) != nullptr && IsWindowVisible(dialog_); }, 30000));
    }

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    std::string Text(int id) const
    {
        char text[64] = {};
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }

    bool Checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }
    // The ids of the boxes and buttons that are checked, in id order.
    std::vector<int> CheckedIds() const
    {
        std::vector<int> ids;
        for (int id = idConnectDots; id <= idStartLarge; ++id) {
            if (Checked(id)) ids.push_back(id);
        }
        return ids;
    }

    HWND Focus() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info);
        return info.hwndFocus;
    }

    // Sets a field's text as typing would change it and presses OK on the
    // warning with this caption if one comes up; what it said. A warning box
    // blocks the dialog's handling of the change, so the text is set from
    // another thread.
    Warning Type(int id, const char* text, const char* warningCaption)
    {
        TextRequest request{dialog_, id, text};
        HANDLE thread = CreateThread(nullptr, 0, SetTextThread, &request, 0, nullptr);
        HWND box = nullptr;
        const auto done = [&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; };
        PumpUntil([&] { return ((box = FindWarning(warningCaption)) != nullptr && IsWindowVisible(box)) || done(); },
                  30000);
        Warning warning;
        if (box != nullptr) {
            char said[128] = {};
            GetDlgItemTextA(box, 0xFFFF, said, sizeof said);
            warning = {said, GetWindow(box, GW_OWNER) != nullptr, Text(id)};
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        }
        PumpUntil(done, 30000);
        CloseHandle(thread);
        return warning;
    }

    void Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }

    // Presses OK or Cancel; the mode's exit code.
    DWORD Press(int button)
    {
        PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(Item(button)));
        return run_->WaitExit(30000);
    }

    std::unique_ptr<SaverRun> run_;
    HWND dialog_ = nullptr;
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
    EXPECT_EQ(Press(IDCANCEL), 0u);
}

// One step of a session: type text into a field (and expect a warning with
// its caption and text, or none, and the field's text afterwards), or
// click a button (text null).
struct Step {
    int id;
    const char* text;
    const char* warningCaption = nullptr;
    const char* warningText = nullptr;
    const char* fieldAfter = nullptr;
};

struct Session {
    const char* what;
    std::vector<std::pair<const char*, DWORD>> storedBefore;
    std::vector<Step> steps;
    bool ok;
    // After OK, what the registry holds; after Cancel it is as before.
    std::vector<std::pair<const char*, DWORD>> storedAfter;
};

TEST_F(Dialog, SessionsOfEntriesAndButtons)
{
    const char* sizeRange = "Entry must be between 0 and 500 %";
    const Session sessions[] = {
        {"a size above 500 warns and keeps the last size accepted", {},
         {{idSize, "6"}, {idSize, "60"}, {idSize, "600", "Circle Radius", sizeRange, "60"}}, true,
         {{"RadiusFactor", 60}}},
        {"a delay above 60 warns and becomes 1", {},
         {{idDelay, "61", "Completion Delay", "Entry must be between 0 and 60 (seconds)", "1"}}, true,
         {{"EndDelay", 1}}},
        {"a rate of 0 warns and goes back to the rate last accepted", {},
         {{idRate, "25"}, {idRate, "0", "Images Per Second", "Entry must be between 1 and 1000", "25"}}, true,
         {{"ImagesPerSec", 25}}},
        {"an emptied rate is saved as the default without a warning", {{"ImagesPerSec", 200}},
         {{idRate, ""}}, true, {{"ImagesPerSec", 50}}},
        {"400 a second is an interval of 2 ms", {}, {{idSize, "29"}, {idRate, "400"}}, true,
         {{"RadiusFactor", 29}, {"ImagesPerSec", 500}}},
        {"Select None, then OK", {{"ColourOption", 30}}, {{idSelectNone, nullptr}}, true,
         {{"ObjectShape", 0x2}, {"ObjectRotation", 0x2}, {"ZoomOption", 0}, {"JoinTheDots", 0}, {"ColourOption", 30}}},
        {"Select All, then OK; the colour stays", {{"ColourOption", 30}}, {{idSelectAll, nullptr}}, true,
         {{"ObjectShape", 0x1FE}, {"ObjectRotation", 0xE}, {"ZoomOption", 0x3FE}, {"JoinTheDots", 1}, {"ColourOption", 30}}},
        {"Cancel after edits writes nothing", {}, {{idSize, "77"}, {idRate, "9"}, {idSelectAll, nullptr}, {idLow, nullptr}},
         false, {}},
        {"Cancel after edits leaves stored values alone", {{"RadiusFactor", 12}, {"ObjectShape", 0x44}},
         {{idSize, "77"}, {idSelectNone, nullptr}}, false, {}},
    };
    for (const Session& session : sessions) {
        SCOPED_TRACE(session.what);
        ResetSaverRegistry();
        for (const auto& [name, value] : session.storedBefore) SetSetting(name, value);
        const auto before = SettingsSnapshot();
        Open();
        const HWND focused = Focus();
        for (const Step& step : session.steps) {
            if (step.text == nullptr) {
                Click(step.id);
                continue;
            }
            const Warning expected = step.warningText ? Warning{step.warningText, false, step.fieldAfter} : Warning{};
            EXPECT_EQ(Type(step.id, step.text, step.warningCaption ? step.warningCaption : "Circle Radius"), expected)
                << step.text << ": a warning with no owner, and the field reset while it shows";
            EXPECT_EQ(Focus(), focused) << "the focus stays where it was";
        }
        if (!session.ok) {
            EXPECT_EQ(Press(IDCANCEL), 0u);
            EXPECT_EQ(SettingsSnapshot(), before);
            continue;
        }
        EXPECT_EQ(Press(IDOK), 1u);
        for (const auto& [name, value] : session.storedAfter) EXPECT_EQ(StoredSetting(name), value) << name;
    }
}

// What stored values become, shown by the dialog: fields, the colour and
// the checked boxes (ids in order, the colour button among them). Every row
// also runs the saver on them, which must neither crash nor hang.
struct StoredCase {
    const char* what;
    std::function<void()> store;
    const char *rate, *size, *delay;
    std::vector<int> checked;
};

// At 500 % most stamps lie outside the screen: no pixel is sure to show soon.
bool SurelyVisible(const StoredCase& c) { return std::string(c.size) != "500"; }

void WriteSettingsValue(const char* name, DWORD type, const void* data, DWORD size)
{
    WriteValue("software\\wexmoor\\lumo_ss\\Settings", name, type, data, size);
}

void StoreEach(DWORD value)
{
    for (const char* name : {"RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape", "ObjectRotation",
                             "ColourOption", "ZoomOption", "EndDelay"}) {
        SetSetting(name, value);
    }
}

class StoredValues : public Dialog {};

TEST_F(StoredValues, WhatTheyBecomeInTheDialogAndTheSaverRunsOnThem)
{
    static const unsigned long long eightBytes = 0x0000000100000032ull;
    const StoredCase cases[] = {
        {"no settings key", [] {}, "50", "8", "1", {idCircle, idHigh, idRotationNone}},
        {"every value 0", [] { StoreEach(0); }, "50", "0", "0", {idCircle, idHigh, idRotationNone}},
        {"every value 0xFFFFFFFF", [] { StoreEach(0xFFFFFFFF); }, "1000", "500", "0",
         {idCircle, idSquare, idDiamond, idStar8, idStar4, idTriangle, idPyramid, idStar6, idHigh,
          idRotationNone, idClockwise, idAntiClockwise, idZoomHigh, idZoomMedium, idZoomLow, idZoomVeryHigh,
          idPhase1, idPhase2, idPhase4, idStartSmall, idStartLarge}},
        {"out of range", [] {
             SetSetting("ImagesPerSec", 0), SetSetting("RadiusFactor", 900), SetSetting("EndDelay", 61),
                 SetSetting("ColourOption", 7), SetSetting("JoinTheDots", 2), SetSetting("ObjectShape", 0x1081);
         }, "50", "500", "60", {idStar6, idHigh, idRotationNone}},
        {"a negative delay is none", [] { SetSetting("EndDelay", 0xFFFFFFF6), SetSetting("ColourOption", 50); },
         "50", "8", "0", {idCircle, idLow, idRotationNone}},
        {"text values", [] {
             WriteSettingsValue("ImagesPerSec", REG_SZ, "50", 3);
             WriteSettingsValue("RadiusFactor", REG_SZ, "a long text value", 18);
             WriteSettingsValue("ObjectShape", REG_SZ, "", 1);
         }, "1000", "8", "1", {idCircle, idHigh, idRotationNone}},
        {"8-byte values count as missing", [] {
             WriteSettingsValue("ImagesPerSec", REG_QWORD, &eightBytes, 8);
             WriteSettingsValue("EndDelay", REG_QWORD, &eightBytes, 8);
         }, "50", "8", "1", {idCircle, idHigh, idRotationNone}},
        {"a huge size with Connect Dots and every shape", [] {
             SetSetting("RadiusFactor", 500), SetSetting("JoinTheDots", 1), SetSetting("ObjectShape", 0x1FE),
                 SetSetting("ZoomOption", 0x3FE), SetSetting("ImagesPerSec", 1000), SetSetting("ColourOption", 30);
         }, "1000", "500", "1",
         {idConnectDots, idCircle, idSquare, idDiamond, idStar8, idStar4, idTriangle, idPyramid, idStar6, idMedium,
          idRotationNone, idZoomHigh, idZoomMedium, idZoomLow, idZoomVeryHigh, idPhase1, idPhase2, idPhase4,
          idStartSmall, idStartLarge}},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResetSaverRegistry();
        c.store();
        Open();
        EXPECT_EQ(Text(idRate), c.rate);
        EXPECT_EQ(Text(idSize), c.size);
        EXPECT_EQ(Text(idDelay), c.delay);
        EXPECT_EQ(CheckedIds(), c.checked);
        EXPECT_EQ(Focus(), Item(IDOK));
        EXPECT_EQ(FindWarning("Circle Radius"), nullptr);
        EXPECT_EQ(Press(IDCANCEL), 0u);

        SaverRun saver(SaverCommand("/s"));
        HWND window = StartFullScreen(saver);
        ASSERT_NE(window, nullptr);
        DWORD_PTR result = 0;
        if (SurelyVisible(c)) {
            EXPECT_TRUE(PumpUntil([&] { return CaptureScreen().LitPixels() > 0; }, 30000)) << "it draws";
        }
        EXPECT_NE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0) << "it answers";
        PressKeyTo(window);
        EXPECT_EQ(saver.WaitExit(30000), 0u);
    }
}

}  // namespace
