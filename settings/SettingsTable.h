// Every fact of the eight settings in one table, one row a setting: the
// registry value's name and its stored form's range and default, how a
// value out of range is mended, the command-line options that set it, the
// dialog's control and range warning, and the words of the xscreensaver
// panel. The load checks, the option parser and its usage text, the
// dialog, the engine's clamp and the panel are all derived from it.
#pragma once

#include <cstdint>
#include <span>

#include "settings/DialogControls.h"
#include "settings/SettingBits.h"

// The stored values, in the order in which a load reads them.
enum class StoredValue {
    RadiusFactor,
    ImagesPerSec,
    JoinTheDots,
    ObjectShape,
    ObjectRotation,
    ColourOption,
    ZoomOption,
    EndDelay,
};

inline constexpr int storedValueCount = 8;

enum class SettingKind {
    Number,  // a whole number low..high
    Flag,    // 0 or 1
    BitSet,  // any of its choices' bits
    OneOf,   // exactly one of its choices' values
};

// One bit of a set, or one value of a choice.
struct SettingChoice {
    std::uint32_t value;
    const char* option;      // its command-line switch
    int control;             // its check box or radio button in the dialog
    const char* panelLabel;  // its words in the xscreensaver panel
};

struct SettingRow {
    StoredValue value;
    const char* name;   // the registry value
    const char* alias;  // a short name for --set
    SettingKind kind;
    std::uint32_t defaultStored;
    // A number's range. A number below it becomes `below`; a signed one
    // reads the stored 32 bits as a signed number.
    std::uint32_t low = 0, high = 0, below = 0;
    bool isSigned = false;
    // A set with none of its choices' bits becomes `fallback`.
    std::uint32_t fallback = 0;
    std::span<const SettingChoice> choices = {};
    const char* option = nullptr;    // a number's or a flag's command-line option
    const char* argument = nullptr;  // what a number's option takes, in the usage text
    const char* help = nullptr;      // the usage text's words for the setting
    int control = 0;                 // a number's edit field or a flag's check box
    // A number out of range in the dialog: the warning and its caption. The
    // field is set back to the value still held, or to the default.
    const char* warning = nullptr;
    const char* warningCaption = nullptr;
    bool warningResetsToDefault = false;
    const char* panelLabel = nullptr;
    const char* panelLowLabel = nullptr;
    const char* panelHighLabel = nullptr;
};

inline constexpr SettingChoice shapeChoices[] = {
    {ShapeCircle, "circle", idCircle, "Circle"},
    {ShapeSquare, "square", idSquare, "Square"},
    {ShapeTriangle, "triangle", idTriangle, "Triangle"},
    {ShapeStar4, "star4", idStar4, "4 point star"},
    {ShapeDiamond, "diamond", idDiamond, "Diamond"},
    {ShapePyramid, "pyramid", idPyramid, "Pyramid"},
    {ShapeStar6, "star6", idStar6, "6 point star"},
    {ShapeStar8, "star8", idStar8, "8 point star"},
};

inline constexpr SettingChoice rotationChoices[] = {
    {RotationNone, "still", idRotationNone, "No rotation"},
    {RotationClockwise, "clockwise", idClockwise, "Clockwise"},
    {RotationAntiClockwise, "anticlockwise", idAntiClockwise, "Anti-clockwise"},
};

inline constexpr SettingChoice colourChoices[] = {
    {ColourHigh, "colour-high", idHigh, "Colours: high (darkest)"},
    {ColourMedium, "colour-medium", idMedium, "Colours: medium"},
    {ColourLow, "colour-low", idLow, "Colours: low (brightest)"},
};

inline constexpr SettingChoice zoomChoices[] = {
    {ZoomLow, "zoom-low", idZoomLow, "Zoom low"},
    {ZoomMedium, "zoom-medium", idZoomMedium, "Zoom medium"},
    {ZoomHigh, "zoom-high", idZoomHigh, "Zoom high"},
    {ZoomVeryHigh, "zoom-very-high", idZoomVeryHigh, "Zoom very high"},
    {ZoomPhase1, "zoom-1-phase", idPhase1, "1 phase"},
    {ZoomPhase2, "zoom-2-phase", idPhase2, "2 phase"},
    {ZoomPhase4, "zoom-4-phase", idPhase4, "4 phase"},
    {ZoomStartSmall, "zoom-start-small", idStartSmall, "Start small"},
    {ZoomStartLarge, "zoom-start-large", idStartLarge, "Start large"},
};

inline constexpr SettingRow settingsTable[storedValueCount] = {
    {.value = StoredValue::RadiusFactor, .name = "RadiusFactor", .alias = "size", .kind = SettingKind::Number,
     .defaultStored = 8, .low = 0, .high = 500,
     .option = "object-size", .argument = "PERCENT", .help = "stamp radius, share of the smaller side",
     .control = idSize, .warning = "Entry must be between 0 and 500 %", .warningCaption = "Circle Radius",
     .panelLabel = "Object size (% of the smaller side)", .panelLowLabel = "0", .panelHighLabel = "500"},
    {.value = StoredValue::ImagesPerSec, .name = "ImagesPerSec", .alias = "rate", .kind = SettingKind::Number,
     .defaultStored = 50, .low = 1, .high = 1000, .below = 50,
     .option = "points-per-second", .argument = "N", .help = "points drawn a second",
     .control = idRate, .warning = "Entry must be between 1 and 1000", .warningCaption = "Images Per Second",
     .panelLabel = "Points per second", .panelLowLabel = "1", .panelHighLabel = "1000"},
    {.value = StoredValue::JoinTheDots, .name = "JoinTheDots", .alias = "connect", .kind = SettingKind::Flag,
     .defaultStored = 0, .option = "connect-dots", .help = "join the points with lines", .control = idConnectDots,
     .panelLabel = "Connect dots"},
    {.value = StoredValue::ObjectShape, .name = "ObjectShape", .alias = "shape", .kind = SettingKind::BitSet,
     .defaultStored = ShapeCircle, .fallback = ShapeCircle, .choices = shapeChoices,
     .help = "the shapes a figure may stamp"},
    {.value = StoredValue::ObjectRotation, .name = "ObjectRotation", .alias = "rotation", .kind = SettingKind::BitSet,
     .defaultStored = RotationNone, .fallback = RotationNone, .choices = rotationChoices,
     .help = "how stamps may turn"},
    {.value = StoredValue::ColourOption, .name = "ColourOption", .alias = "colour", .kind = SettingKind::OneOf,
     .defaultStored = ColourHigh, .choices = colourChoices, .help = "how dark the colour may get"},
    {.value = StoredValue::ZoomOption, .name = "ZoomOption", .alias = "zoom", .kind = SettingKind::BitSet,
     .defaultStored = 0, .fallback = 0, .choices = zoomChoices, .help = "how stamps shrink and grow"},
    // A negative delay waits not at all.
    {.value = StoredValue::EndDelay, .name = "EndDelay", .alias = "delay", .kind = SettingKind::Number,
     .defaultStored = 1, .low = 0, .high = 60, .below = 0, .isSigned = true,
     .option = "completion-delay", .argument = "SECONDS", .help = "how long a finished figure stays",
     .control = idDelay, .warning = "Entry must be between 0 and 60 (seconds)",
     .warningCaption = "Completion Delay", .warningResetsToDefault = true,
     .panelLabel = "Completion delay", .panelLowLabel = "0 seconds", .panelHighLabel = "60 seconds"},
};

constexpr const SettingRow& SettingRowOf(StoredValue value) { return settingsTable[static_cast<int>(value)]; }
constexpr std::uint32_t DefaultStored(StoredValue value) { return SettingRowOf(value).defaultStored; }

// The stored forms' conversions that are more than a copy.
constexpr double RadiusFactorOfPercent(std::uint32_t percent) { return percent / 100.0; }
constexpr std::uint32_t IntervalOfRate(std::uint32_t pointsPerSecond) { return 1000 / pointsPerSecond; }
