// Every fact of the eight settings in one table, one row a setting: the
// stored value's name, its stored form's range and default, how a value out
// of range is mended and how a load reads it, the command-line options that
// set it, the dialog's range warning, and the words of the usage text and
// the xscreensaver panel. The load checks, the option parser and its usage
// text, the dialog, the engine's clamp and the panel are all derived from
// it. The dialog finds its controls by the order of the rows and choices.
// The rows themselves are in SettingsTable.cpp, so that a program holds
// one copy of them and their words.
#pragma once

#include <cstdint>
#include <span>

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

// What a load does beyond reading the value into its field.
enum class LoadQuirk {
    Plain,
    DefaultFirst,    // the field is set to the default just before the read
    OffWhenMissing,  // a value the key lacks sets the field to 0
};

// One bit of a set, or one value of a choice.
struct SettingChoice {
    std::uint32_t value;
    const char* option;      // its command-line switch
    const char* panelLabel;  // its words in the xscreensaver panel
};

struct SettingRow {
    StoredValue value;
    const char* name;   // the stored value's name
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
    LoadQuirk load = LoadQuirk::Plain;
    const char* option = nullptr;    // a number's or a flag's command-line option
    const char* argument = nullptr;  // what a number's option takes, in the usage text
    const char* help = nullptr;      // the usage text's words for the setting
    // A number out of range in the dialog: the warning and its caption. The
    // field is set back to the value still held, or to the default.
    const char* warning = nullptr;
    const char* warningCaption = nullptr;
    bool warningResetsToDefault = false;
    const char* panelLabel = nullptr;
    const char* panelLowLabel = nullptr;
    const char* panelHighLabel = nullptr;
};

// The rows in the order of StoredValue (settings/SettingsTable.cpp).
extern const SettingRow settingsTable[storedValueCount];

inline const SettingRow& SettingRowOf(StoredValue value) { return settingsTable[static_cast<int>(value)]; }
inline std::uint32_t DefaultStored(StoredValue value) { return SettingRowOf(value).defaultStored; }

// The stored forms' conversions that are more than a copy.
constexpr double RadiusFactorOfPercent(std::uint32_t percent) { return percent / 100.0; }
constexpr std::uint32_t IntervalOfRate(std::uint32_t pointsPerSecond) { return 1000 / pointsPerSecond; }
