// The rows of the settings table.
#include "settings/SettingsTable.h"

// Texts that only the option parser, its usage text and the panels use.
// The Windows saver has none of those: its own build of this table defines
// GYRELACE_SAVER_TABLE and leaves them empty, so they stay out of its file.
#ifdef GYRELACE_SAVER_TABLE
#define NOT_IN_SAVER(text) ""
#else
#define NOT_IN_SAVER(text) text
#endif

// A choice's value, its switch and its words in the panel.
#define CHOICE(value, option, panelLabel) {value, NOT_IN_SAVER(option), NOT_IN_SAVER(panelLabel)}

namespace {

constexpr SettingChoice shapeChoices[] = {
    CHOICE(ShapeCircle, "circle", "Circle"),
    CHOICE(ShapeSquare, "square", "Square"),
    CHOICE(ShapeTriangle, "triangle", "Triangle"),
    CHOICE(ShapeStar4, "star4", "4 point star"),
    CHOICE(ShapeDiamond, "diamond", "Diamond"),
    CHOICE(ShapePyramid, "pyramid", "Pyramid"),
    CHOICE(ShapeStar6, "star6", "6 point star"),
    CHOICE(ShapeStar8, "star8", "8 point star"),
};

constexpr SettingChoice rotationChoices[] = {
    CHOICE(RotationNone, "still", "No rotation"),
    CHOICE(RotationClockwise, "clockwise", "Clockwise"),
    CHOICE(RotationAntiClockwise, "anticlockwise", "Anti-clockwise"),
};

constexpr SettingChoice colourChoices[] = {
    CHOICE(ColourHigh, "colour-high", "Colours: high (darkest)"),
    CHOICE(ColourMedium, "colour-medium", "Colours: medium"),
    CHOICE(ColourLow, "colour-low", "Colours: low (brightest)"),
};

constexpr SettingChoice zoomChoices[] = {
    CHOICE(ZoomLow, "zoom-low", "Zoom low"),
    CHOICE(ZoomMedium, "zoom-medium", "Zoom medium"),
    CHOICE(ZoomHigh, "zoom-high", "Zoom high"),
    CHOICE(ZoomVeryHigh, "zoom-very-high", "Zoom very high"),
    CHOICE(ZoomPhase1, "zoom-1-phase", "1 phase"),
    CHOICE(ZoomPhase2, "zoom-2-phase", "2 phase"),
    CHOICE(ZoomPhase4, "zoom-4-phase", "4 phase"),
    CHOICE(ZoomStartSmall, "zoom-start-small", "Start small"),
    CHOICE(ZoomStartLarge, "zoom-start-large", "Start large"),
};

}  // namespace

const SettingRow settingsTable[storedValueCount] = {
    {.value = StoredValue::RadiusFactor, .name = "RadiusFactor", .alias = NOT_IN_SAVER("size"),
     .kind = SettingKind::Number, .defaultStored = 8, .low = 0, .high = 500, .load = LoadQuirk::DefaultFirst,
     .option = NOT_IN_SAVER("object-size"), .argument = NOT_IN_SAVER("PERCENT"),
     .help = NOT_IN_SAVER("stamp radius, share of the smaller side"),
     .warning = "Entry must be between 0 and 500 %", .warningCaption = "Circle Radius",
     .panelLabel = NOT_IN_SAVER("Object size (% of the smaller side)"), .panelLowLabel = NOT_IN_SAVER("0"),
     .panelHighLabel = NOT_IN_SAVER("500")},
    {.value = StoredValue::ImagesPerSec, .name = "ImagesPerSec", .alias = NOT_IN_SAVER("rate"),
     .kind = SettingKind::Number, .defaultStored = 50, .low = 1, .high = 1000, .below = 50,
     .load = LoadQuirk::DefaultFirst, .option = NOT_IN_SAVER("points-per-second"), .argument = NOT_IN_SAVER("N"),
     .help = NOT_IN_SAVER("points drawn a second"),
     .warning = "Entry must be between 1 and 1000", .warningCaption = "Images Per Second",
     .panelLabel = NOT_IN_SAVER("Points per second"), .panelLowLabel = NOT_IN_SAVER("1"),
     .panelHighLabel = NOT_IN_SAVER("1000")},
    {.value = StoredValue::JoinTheDots, .name = "JoinTheDots", .alias = NOT_IN_SAVER("connect"),
     .kind = SettingKind::Flag, .defaultStored = 0, .load = LoadQuirk::OffWhenMissing,
     .option = NOT_IN_SAVER("connect-dots"), .help = NOT_IN_SAVER("join the points with lines"),
     .panelLabel = NOT_IN_SAVER("Connect dots")},
    {.value = StoredValue::ObjectShape, .name = "ObjectShape", .alias = NOT_IN_SAVER("shape"),
     .kind = SettingKind::BitSet, .defaultStored = ShapeCircle, .fallback = ShapeCircle, .choices = shapeChoices,
     .help = NOT_IN_SAVER("the shapes a figure may stamp")},
    {.value = StoredValue::ObjectRotation, .name = "ObjectRotation", .alias = NOT_IN_SAVER("rotation"),
     .kind = SettingKind::BitSet, .defaultStored = RotationNone, .fallback = RotationNone,
     .choices = rotationChoices, .help = NOT_IN_SAVER("how stamps may turn")},
    {.value = StoredValue::ColourOption, .name = "ColourOption", .alias = NOT_IN_SAVER("colour"),
     .kind = SettingKind::OneOf, .defaultStored = ColourHigh, .choices = colourChoices,
     .help = NOT_IN_SAVER("how dark the colour may get")},
    {.value = StoredValue::ZoomOption, .name = "ZoomOption", .alias = NOT_IN_SAVER("zoom"),
     .kind = SettingKind::BitSet, .defaultStored = 0, .fallback = 0, .choices = zoomChoices,
     .help = NOT_IN_SAVER("how stamps shrink and grow")},
    // A negative delay waits not at all.
    {.value = StoredValue::EndDelay, .name = "EndDelay", .alias = NOT_IN_SAVER("delay"),
     .kind = SettingKind::Number, .defaultStored = 1, .low = 0, .high = 60, .below = 0, .isSigned = true,
     .option = NOT_IN_SAVER("completion-delay"), .argument = NOT_IN_SAVER("SECONDS"),
     .help = NOT_IN_SAVER("how long a finished figure stays"),
     .warning = "Entry must be between 0 and 60 (seconds)", .warningCaption = "Completion Delay",
     .warningResetsToDefault = true, .panelLabel = NOT_IN_SAVER("Completion delay"),
     .panelLowLabel = NOT_IN_SAVER("0 seconds"), .panelHighLabel = NOT_IN_SAVER("60 seconds")},
};
