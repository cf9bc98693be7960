// The configuration dialog driven from outside as a user would (what each
// entry and button comes to is pinned natively): sessions of typing and
// clicking with what the registry then holds, and stored values, hand-edited
// or not, with what the dialog shows for them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsTable.h"
#include "tests/windows/Harness.h"
#include "windows/DialogControls.h"
#include "windows/RegistryStore.h"

namespace {

// The size field's warning box, the one these sessions can bring up.
HWND FindWarning() { return FindWindowA("#32770", "Circle Radius"); }

// The eight stored values, to compare before and after (0xDEADBEEF: missing).
std::vector<DWORD> SettingsSnapshot()
{
    std::vector<DWORD> values;
    for (const SettingRow& row : settingsTable) values.push_back(StoredSetting(row.name));
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
            [&] { return (dialog_ = FindWindowA(nullptr, SETUP_CAPTION)) != nullptr && IsWindowVisible(dialog_); }, 30000));
    }

    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    std::string Text(int id) const
    {
        char text[64] = {};
        GetDlgItemTextA(dialog_, id, text, sizeof text);
        return text;
    }

    // The ids of the boxes and buttons that are checked, in id order.
    std::vector<int> CheckedIds() const
    {
        std::vector<int> ids;
        for (int id = IDC_CONNECT_DOTS; id <= IDC_START_LARGE; ++id) {
            if (IsDlgButtonChecked(dialog_, id) == BST_CHECKED) ids.push_back(id);
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
    // warning if one comes up; what it said. A warning box blocks the
    // dialog's handling of the change, so the text is set from another thread.
    Warning Type(int id, const char* text)
    {
        struct Request { HWND dialog; int id; const char* text; } request{dialog_, id, text};
        const auto setText = [](void* r) -> DWORD {
            const auto* q = static_cast<const Request*>(r);
            return SetDlgItemTextA(q->dialog, q->id, q->text) ? 0 : 1;
        };
        HANDLE thread = CreateThread(nullptr, 0, setText, &request, 0, nullptr);
        HWND box = nullptr;
        const auto done = [&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; };
        PumpUntil([&] { return ((box = FindWarning()) != nullptr && IsWindowVisible(box)) || done(); }, 30000);
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

    // Presses OK or Cancel; the mode's exit code.
    DWORD Press(int button)
    {
        PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(Item(button)));
        return run_->WaitExit(30000);
    }

    std::unique_ptr<SaverRun> run_;
    HWND dialog_ = nullptr;
};

// One step of a session: type text into a field (and expect a warning's text,
// or none, and the field's text afterwards), or click a button (text null).
struct Step {
    int id;
    const char* text;
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
         {{IDC_OBJECT_SIZE, "6"}, {IDC_OBJECT_SIZE, "60"}, {IDC_OBJECT_SIZE, "600", sizeRange, "60"}}, true,
         {{"RadiusFactor", 60}}},
        {"Select All, then OK; the colour stays", {{"ColourOption", 30}}, {{IDC_SELECT_ALL, nullptr}}, true,
         {{"ObjectShape", 0x1FE}, {"ObjectRotation", 0xE}, {"ZoomOption", 0x3FE}, {"JoinTheDots", 1}, {"ColourOption", 30}}},
        {"Cancel after edits writes nothing", {}, {{IDC_OBJECT_SIZE, "77"}, {IDC_RATE, "9"}, {IDC_SELECT_ALL, nullptr}, {IDC_LOW, nullptr}},
         false, {}},
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
                SendMessageA(Item(step.id), BM_CLICK, 0, 0);
                continue;
            }
            const Warning expected = step.warningText ? Warning{step.warningText, false, step.fieldAfter} : Warning{};
            EXPECT_EQ(Type(step.id, step.text), expected)
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

// Stored values in the registry's own forms (their mending is checked
// natively) as the dialog shows them: fields and checked boxes, in id order.
struct StoredCase {
    const char* what;
    std::function<void()> store;
    const char *rate, *size, *delay;
    std::vector<int> checked;
};

class StoredValues : public Dialog {};

TEST_F(StoredValues, WhatTheyBecomeInTheDialogAndASaverRunsOnTheWildest)
{
    static const unsigned long long eightBytes = 0x0000000100000032ull;
    const StoredCase cases[] = {
        {"no settings key", [] {}, "50", "8", "1", {IDC_CIRCLE, IDC_HIGH, IDC_ROTATION_NONE}},
        {"out of range", [] {
             SetSetting("ImagesPerSec", 0), SetSetting("RadiusFactor", 900), SetSetting("EndDelay", 61),
                 SetSetting("ColourOption", 7), SetSetting("JoinTheDots", 2), SetSetting("ObjectShape", 0x1081),
                 SetSetting("ObjectRotation", 0x18), SetSetting("ZoomOption", 0x4A5);
         }, "50", "500", "60", {IDC_STAR6, IDC_HIGH, IDC_ANTICLOCKWISE, IDC_ZOOM_MEDIUM, IDC_PHASE1, IDC_PHASE4}},
        {"text values", [] {
             WriteValue(settingsKeyPath, "ImagesPerSec", REG_SZ, "50", 3);
             WriteValue(settingsKeyPath, "RadiusFactor", REG_SZ, "a long text value", 18);
             WriteValue(settingsKeyPath, "ObjectShape", REG_SZ, "", 1);
         }, "1000", "8", "1", {IDC_CIRCLE, IDC_HIGH, IDC_ROTATION_NONE}},
        {"8-byte values count as missing", [] {
             WriteValue(settingsKeyPath, "ImagesPerSec", REG_QWORD, &eightBytes, 8);
             WriteValue(settingsKeyPath, "EndDelay", REG_QWORD, &eightBytes, 8);
         }, "50", "8", "1", {IDC_CIRCLE, IDC_HIGH, IDC_ROTATION_NONE}},
        {"every value 0xFFFFFFFF", [] {
             for (const SettingRow& row : settingsTable) SetSetting(row.name, 0xFFFFFFFF);
         }, "1000", "500", "0",
         {IDC_CIRCLE, IDC_SQUARE, IDC_DIAMOND, IDC_STAR8, IDC_STAR4, IDC_TRIANGLE, IDC_PYRAMID, IDC_STAR6, IDC_HIGH,
          IDC_ROTATION_NONE, IDC_CLOCKWISE, IDC_ANTICLOCKWISE, IDC_ZOOM_HIGH, IDC_ZOOM_MEDIUM, IDC_ZOOM_LOW, IDC_ZOOM_VERY_HIGH,
          IDC_PHASE1, IDC_PHASE2, IDC_PHASE4, IDC_START_SMALL, IDC_START_LARGE}},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResetSaverRegistry();
        c.store();
        Open();
        EXPECT_EQ(Text(IDC_RATE), c.rate);
        EXPECT_EQ(Text(IDC_OBJECT_SIZE), c.size);
        EXPECT_EQ(Text(IDC_DELAY), c.delay);
        EXPECT_EQ(CheckedIds(), c.checked);
        EXPECT_EQ(Focus(), Item(IDOK));
        EXPECT_EQ(FindWarning(), nullptr);
        EXPECT_EQ(Press(IDCANCEL), 0u);
    }
    // On the last, stamps of 500 %, every shape, 1000 points a second: the saver neither hangs nor crashes.
    FullScreenRun saver;
    ASSERT_NE(saver.window, nullptr);
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(saver.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0) << "it answers";
    EXPECT_EQ(saver.CloseWithAKey(), 0u);
}

}  // namespace
