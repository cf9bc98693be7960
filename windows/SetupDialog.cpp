// The settings dialog's procedure: opening on the stored values, the live
// checks of the numeric fields with their warnings, Select All / None, and
// OK / Cancel.
#include "windows/SetupDialog.h"

#include "settings/StoredValues.h"
#include "windows/RegistryStore.h"
#include "windows/SetupDialogIds.h"
#include "windows/ShellState.h"

namespace {


// A check box and the bit it stands for in one of the selection sets.
struct SelectionBox {
    int id;
    std::uint32_t SaverSettings::*set;
    std::uint32_t bit;
};

constexpr SelectionBox shapeBoxes[] = {
    {idCircle, &SaverSettings::objectShape, ShapeCircle},   {idSquare, &SaverSettings::objectShape, ShapeSquare},
    {idTriangle, &SaverSettings::objectShape, ShapeTriangle}, {idStar4, &SaverSettings::objectShape, ShapeStar4},
    {idDiamond, &SaverSettings::objectShape, ShapeDiamond},  {idPyramid, &SaverSettings::objectShape, ShapePyramid},
    {idStar6, &SaverSettings::objectShape, ShapeStar6},    {idStar8, &SaverSettings::objectShape, ShapeStar8},
};
constexpr SelectionBox rotationBoxes[] = {
    {idRotationNone, &SaverSettings::objectRotation, RotationNone},
    {idClockwise, &SaverSettings::objectRotation, RotationClockwise},
    {idAntiClockwise, &SaverSettings::objectRotation, RotationAntiClockwise},
};
constexpr SelectionBox zoomBoxes[] = {
    {idZoomLow, &SaverSettings::zoomOption, ZoomLow},        {idZoomMedium, &SaverSettings::zoomOption, ZoomMedium},
    {idZoomHigh, &SaverSettings::zoomOption, ZoomHigh},       {idZoomVeryHigh, &SaverSettings::zoomOption, ZoomVeryHigh},
    {idPhase1, &SaverSettings::zoomOption, ZoomPhase1},     {idPhase2, &SaverSettings::zoomOption, ZoomPhase2},
    {idPhase4, &SaverSettings::zoomOption, ZoomPhase4},     {idStartSmall, &SaverSettings::zoomOption, ZoomStartSmall},
    {idStartLarge, &SaverSettings::zoomOption, ZoomStartLarge},
};

// The boxes Select All and Select None set, in the order they set them.
constexpr int selectableBoxes[] = {
    idCircle, idSquare, idTriangle, idStar4, idDiamond, idPyramid, idStar6, idStar8,
    idConnectDots,
    idRotationNone, idClockwise, idAntiClockwise,
    idZoomLow, idZoomMedium, idZoomHigh, idZoomVeryHigh, idPhase1, idPhase2, idPhase4, idStartSmall, idStartLarge,
};

template <std::size_t N>
void ShowSelection(HWND dialog, const SelectionBox (&boxes)[N])
{
    for (const SelectionBox& box : boxes) {
        CheckDlgButton(dialog, box.id, (saverSettings.*box.set & box.bit) != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

// The bits of the checked boxes, or the fallback when none is checked.
template <std::size_t N>
std::uint32_t CheckedBits(HWND dialog, const SelectionBox (&boxes)[N], std::uint32_t fallback)
{
    std::uint32_t bits = 0;
    for (const SelectionBox& box : boxes) {
        if (IsDlgButtonChecked(dialog, box.id) == BST_CHECKED) bits |= box.bit;
    }
    return bits != 0 ? bits : fallback;
}

SaverSettings& Settings() { return saverSettings; }

std::uint32_t ShownRate() { return 1000 / Settings().timerInterval; }

BOOL OnInitDialog(HWND dialog)
{
    LoadSettings();
    const std::int32_t colour = Settings().colourOption;
    CheckRadioButton(dialog, idHigh, idLow, colour == ColourHigh ? idHigh : colour == ColourLow ? idLow : idMedium);
    SetDlgItemInt(dialog, idSize, RadiusPercent(Settings().radiusFactor), FALSE);
    SetDlgItemInt(dialog, idRate, ShownRate(), FALSE);
    SetDlgItemInt(dialog, idDelay, static_cast<UINT>(Settings().endDelay), FALSE);
    CheckDlgButton(dialog, idConnectDots, Settings().joinTheDots == 1 ? BST_CHECKED : BST_UNCHECKED);
    ShowSelection(dialog, shapeBoxes);
    ShowSelection(dialog, rotationBoxes);
    ShowSelection(dialog, zoomBoxes);
    return TRUE;  // the dialog manager focuses the first tab stop, OK
}

// One numeric field's check, run on every notification from it. A text
// that is no number sets the default silently; a number out of range
// resets the field (which checks again, in range) and warns.
void CheckNumericField(HWND dialog, int id)
{
    BOOL isNumber = FALSE;
    const UINT entry = GetDlgItemInt(dialog, id, &isNumber, TRUE);
    const SaverSettings defaults;
    const char* text;
    const char* caption;
    UINT reset;
    switch (id) {
    case idRate:
        if (!isNumber) {
            Settings().timerInterval = defaults.timerInterval;
            return;
        }
        if (entry >= 1 && entry <= maxImagesPerSec) {
            Settings().timerInterval = 1000 / entry;
            return;
        }
        reset = ShownRate();
        text = "Entry must be between 1 and 1000";
        caption = "Images Per Second";
        break;
    case idSize:
        if (!isNumber) {
            Settings().radiusFactor = defaults.radiusFactor;
            return;
        }
        if (entry <= maxRadiusPercent) {
            Settings().radiusFactor = entry / 100.0;
            return;
        }
        reset = RadiusPercent(Settings().radiusFactor);
        text = "Entry must be between 0 and 500 %";
        caption = "Circle Radius";
        break;
    default:
        if (!isNumber) {
            Settings().endDelay = defaults.endDelay;
            return;
        }
        if (entry <= maxEndDelay) {
            Settings().endDelay = static_cast<std::int32_t>(entry);
            return;
        }
        reset = 1;
        text = "Entry must be between 0 and 60 (seconds)";
        caption = "Completion Delay";
        break;
    }
    SetDlgItemInt(dialog, id, reset, FALSE);
    MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONWARNING);
}

void SetAllBoxes(HWND dialog, UINT state)
{
    for (int id : selectableBoxes) CheckDlgButton(dialog, id, state);
}

void SaveStored(StoredValue value, std::uint32_t stored) { SaveSetting(StoredValueName(value), stored); }

BOOL OnOk(HWND dialog)
{
    SaveStored(StoredValue::RadiusFactor, StoredFormOf(Settings(), StoredValue::RadiusFactor));
    SaveStored(StoredValue::ImagesPerSec, StoredFormOf(Settings(), StoredValue::ImagesPerSec));
    SaveStored(StoredValue::ObjectShape, CheckedBits(dialog, shapeBoxes, ShapeCircle));
    SaveStored(StoredValue::ObjectRotation, CheckedBits(dialog, rotationBoxes, RotationNone));
    SaveStored(StoredValue::ZoomOption, CheckedBits(dialog, zoomBoxes, 0));
    SaveStored(StoredValue::EndDelay, StoredFormOf(Settings(), StoredValue::EndDelay));
    Settings().joinTheDots = IsDlgButtonChecked(dialog, idConnectDots) == BST_CHECKED ? 1 : 0;
    SaveStored(StoredValue::JoinTheDots, static_cast<std::uint32_t>(Settings().joinTheDots));
    const struct {
        int id;
        std::int32_t colour;
    } colours[] = {{idHigh, ColourHigh}, {idMedium, ColourMedium}, {idLow, ColourLow}};
    for (const auto& choice : colours) {
        if (IsDlgButtonChecked(dialog, choice.id) == BST_CHECKED) {
            SaveStored(StoredValue::ColourOption, static_cast<std::uint32_t>(choice.colour));
            break;
        }
    }
    EndDialog(dialog, 1);
    return TRUE;
}

BOOL OnCommand(HWND dialog, int id)
{
    switch (id) {
    case idRate:
    case idSize:
    case idDelay:
        CheckNumericField(dialog, id);
        return FALSE;
    case idSelectAll:
        SetAllBoxes(dialog, BST_CHECKED);
        return FALSE;
    case idSelectNone:
        SetAllBoxes(dialog, BST_UNCHECKED);
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

bool InitSetupControls(HINSTANCE) { return true; }

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
