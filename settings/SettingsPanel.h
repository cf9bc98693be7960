// What a settings panel does with its controls, whichever panel it is (the
// Windows dialog, the page's form): the check of a number as it is typed,
// what Select All and Select None leave, and what OK or Apply keeps. The
// panels hold their controls; these say what the controls come to.
#pragma once

#include <cstdint>

#include "settings/SettingsTable.h"

// A number field's text, as the panel read it: a number or none; a whole
// one (perhaps negative, perhaps huge) or not.
struct Entry {
    bool isNumber = false;
    bool whole = true;
    long long number = 0;
};

// What a field comes to: the value the setting now holds and, when the
// number was refused, that the field shows that value again under the
// row's warning.
struct EntryCheck {
    std::uint32_t held = 0;
    bool refused = false;
};

// A field that holds no number gives the default, silently; a whole number
// in the row's range is taken; any other number is refused, and the field
// goes back to the value held before (`held`) or, where the row says so, to
// the default.
EntryCheck CheckEntry(const SettingRow& row, Entry entry, std::uint32_t held);

// Select All and Select None tick or clear every flag and every bit of a
// set; a one-of choice (the colour) keeps `shown`.
std::uint32_t AfterSelectAll(const SettingRow& row, std::uint32_t shown, bool on);

// What OK or Apply keeps of the value a row's controls show: a set with
// nothing ticked is its fallback; a one-of choice with nothing chosen is not
// written at all (false).
bool KeptOf(const SettingRow& row, std::uint32_t shown, std::uint32_t& kept);
