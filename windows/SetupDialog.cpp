// The settings dialog's procedure: opening on the stored values, the live
// checks of the numeric fields with their warnings, Select All / None, and
// OK / Cancel. Each setting's range and warning are its row of the settings
// table; what the controls come to is the panels' policy.
#include "windows/SetupDialog.h"

#include "settings/SettingsPanel.h"
#include "settings/StoredValues.h"
#include "windows/DialogControls.h"
#include "windows/RegistryStore.h"
#include "windows/SaverState.h"

namespace {

// The dialog's controls in the order of the settings table: a number's
// field or a flag's box for its row, and a box or button for each choice.
constexpr int controlsInTableOrder[] = {
    IDC_OBJECT_SIZE, IDC_RATE, IDC_CONNECT_DOTS,
    IDC_CIRCLE, IDC_SQUARE, IDC_TRIANGLE, IDC_STAR4, IDC_DIAMOND, IDC_PYRAMID, IDC_STAR6, IDC_STAR8,
    IDC_ROTATION_NONE, IDC_CLOCKWISE, IDC_ANTICLOCKWISE,
    IDC_HIGH, IDC_MEDIUM, IDC_LOW,
    IDC_ZOOM_LOW, IDC_ZOOM_MEDIUM, IDC_ZOOM_HIGH, IDC_ZOOM_VERY_HIGH,
    IDC_PHASE1, IDC_PHASE2, IDC_PHASE4, IDC_START_SMALL, IDC_START_LARGE,
    IDC_DELAY,
};

std::size_t ControlsOfRow(const SettingRow& row) { return row.choices.empty() ? 1 : row.choices.size(); }

// Where a row's controls start in the list above.
std::size_t FirstControlOf(const SettingRow& row)
{
    std::size_t first = 0;
    for (int i = 0; i < static_cast<int>(row.value); ++i) first += ControlsOfRow(settingsTable[i]);
    return first;
}

// A number's field or a flag's box.
int ControlOf(const SettingRow& row) { return controlsInTableOrder[FirstControlOf(row)]; }

int ControlOf(const SettingRow& row, const SettingChoice& choice)
{
    return controlsInTableOrder[FirstControlOf(row) + static_cast<std::size_t>(&choice - row.choices.data())];
}

// OK saves the values in this order, the order the saver always has.
constexpr StoredValue saveOrder[] = {
    StoredValue::RadiusFactor, StoredValue::ImagesPerSec, StoredValue::ObjectShape, StoredValue::ObjectRotation,
    StoredValue::ZoomOption,   StoredValue::EndDelay,     StoredValue::JoinTheDots, StoredValue::ColourOption,
};

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The bits or the value the checked boxes or buttons of a row stand for.
std::uint32_t CheckedChoices(HWND dialog, const SettingRow& row)
{
    std::uint32_t bits = 0;
    for (const SettingChoice& choice : row.choices) bits |= Checked(dialog, ControlOf(row, choice)) ? choice.value : 0;
    return bits;
}

void ShowSetting(HWND dialog, const SettingRow& row)
{
    const std::uint32_t stored = StoredFormOf(saverSettings, row.value);
    switch (row.kind) {
    case SettingKind::Number:
        SetDlgItemInt(dialog, ControlOf(row), stored, FALSE);
        break;
    case SettingKind::Flag:
        CheckDlgButton(dialog, ControlOf(row), stored == 1 ? BST_CHECKED : BST_UNCHECKED);
        break;
    case SettingKind::BitSet:
        for (const SettingChoice& choice : row.choices) {
            CheckDlgButton(dialog, ControlOf(row, choice), (stored & choice.value) != 0 ? BST_CHECKED : BST_UNCHECKED);
        }
        break;
    case SettingKind::OneOf:
        for (const SettingChoice& choice : row.choices) {
            if (choice.value != stored) continue;
            CheckRadioButton(dialog, ControlOf(row, row.choices.front()), ControlOf(row, row.choices.back()),
                             ControlOf(row, choice));
        }
        break;
    }
}

BOOL OnInitDialog(HWND dialog)
{
    LoadSettings();
    for (const SettingRow& row : settingsTable) ShowSetting(dialog, row);
    return TRUE;  // the dialog manager focuses the first tab stop, OK
}

UINT BoxState(bool on) { return on ? BST_CHECKED : BST_UNCHECKED; }

// One numeric field's check, run on every notification from it, by the
// panels' policy. A number refused resets the field (which checks again, in
// range) and warns with no owner. The number is read signed, so a negative
// one is out of range.
void CheckNumericField(HWND dialog, const SettingRow& row)
{
    BOOL isNumber = FALSE;
    const auto entry = static_cast<INT>(GetDlgItemInt(dialog, ControlOf(row), &isNumber, TRUE));
    const EntryCheck check = CheckEntry(row, Entry{isNumber != FALSE, true, entry}, StoredFormOf(saverSettings, row.value));
    if (!check.refused) {
        ApplyStoredValue(saverSettings, row.value, check.held);
        return;
    }
    SetDlgItemInt(dialog, ControlOf(row), check.held, FALSE);
    MessageBoxA(nullptr, row.warning, row.warningCaption, MB_OK | MB_ICONWARNING);
}

// Select All and Select None, as the panels' policy leaves each row.
void SetAllBoxes(HWND dialog, bool on)
{
    for (const SettingRow& row : settingsTable) {
        const std::uint32_t value = AfterSelectAll(row, 0, on);
        if (row.kind == SettingKind::Flag) CheckDlgButton(dialog, ControlOf(row), BoxState(value == 1));
        if (row.kind != SettingKind::BitSet) continue;
        for (const SettingChoice& choice : row.choices) {
            CheckDlgButton(dialog, ControlOf(row, choice), BoxState((value & choice.value) != 0));
        }
    }
}

// What a row's controls show; a number's is the value last accepted.
std::uint32_t Shown(HWND dialog, const SettingRow& row)
{
    switch (row.kind) {
    case SettingKind::Number:
        return StoredFormOf(saverSettings, row.value);
    case SettingKind::Flag:
        return Checked(dialog, ControlOf(row)) ? 1 : 0;
    case SettingKind::BitSet:
    case SettingKind::OneOf:
        break;
    }
    return CheckedChoices(dialog, row);
}

// Writes what the panels' policy keeps of each row, in the saver's order.
BOOL OnOk(HWND dialog)
{
    RegistryStore store;
    for (StoredValue value : saveOrder) {
        const SettingRow& row = SettingRowOf(value);
        std::uint32_t kept = 0;
        if (!KeptOf(row, Shown(dialog, row), kept)) continue;
        if (row.kind == SettingKind::Flag) ApplyStoredValue(saverSettings, value, kept);
        store.WriteValue(row.name, kept);
    }
    EndDialog(dialog, 1);
    return TRUE;
}

BOOL OnCommand(HWND dialog, int id)
{
    for (const SettingRow& row : settingsTable) {
        if (row.kind == SettingKind::Number && ControlOf(row) == id) {
            CheckNumericField(dialog, row);
            return FALSE;
        }
    }
    switch (id) {
    case IDC_SELECT_ALL:
    case IDC_SELECT_NONE:
        SetAllBoxes(dialog, id == IDC_SELECT_ALL);
        return FALSE;
    case IDOK:
        return OnOk(dialog);
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}
