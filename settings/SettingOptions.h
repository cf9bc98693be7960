// Settings given on a command line, read off the settings table: NAME=VALUE
// in a registry value's stored form, one option per number or flag and one
// switch per choice (as a settings panel writes them), the numbers they are
// written in, and the usage text that explains them. Every value goes
// through the same checks as a registry load.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/SaverSettings.h"

// Text someone gave, as a message quotes it: beyond its first
// abridgedLength characters (UTF-8), an ellipsis, so that a value of a
// million characters makes a line of a message and not a screenful.
inline constexpr int abridgedLength = 40;
std::string Abridged(const std::string& text);

// A whole number of decimal digits (or, with hex allowed, hexadecimal digits
// after 0x) no greater than limit. No sign, no blanks.
bool ParseWholeNumber(const std::string& text, unsigned long long limit, bool allowHex, unsigned long long& value);

// The stored numbers that a command line builds up option by option, in
// load order. The settings take them all at once at the end, so that
// "--no-circle --square" never passes through an empty shape set.
using StoredNumbers = std::array<std::uint32_t, storedValueCount>;
StoredNumbers StoredNumbersOf(const SaverSettings& settings);
void ApplyStoredNumbers(SaverSettings& settings, const StoredNumbers& numbers);

// The setting options, named without their dashes: "set" (NAME=VALUE, where
// NAME is a registry value's name in any case or its short alias), a number
// ("object-size 29"), or a switch ("square", "no-square").
enum class SettingOptionKind { NotSetting, Switch, TakesValue };
SettingOptionKind FindSettingOption(const std::string& name);

// Applies a setting option found above; a switch ignores the argument. False
// with a one-line error naming the option and the problem.
bool ApplySettingOption(const std::string& name, const std::string& argument, StoredNumbers& numbers,
                        std::string& error);

// How a lenient reading took an option.
enum class LenientOutcome { Taken, Mended, Ignored };

// Applies a setting option where a mistake must not stop anything (a page's
// address): a number that is no whole number of the row's range is mended
// as a stored value is, so -5 and 900 give object sizes of 0 and 500 %; a
// value that the set of NAME=VALUE makes out of range is mended the same
// way; an unknown name, a number that is no number, a switch given a value
// or a number given none is ignored. `hasArgument` tells "square" from
// "square=". Unless Taken, `notice` names the option and what became of it.
LenientOutcome ApplySettingOptionLeniently(const std::string& name, const std::string& argument, bool hasArgument,
                                           StoredNumbers& numbers, std::string& notice);

// The usage lines of --set and of every setting option, each explanation
// starting at column usageColumn.
inline constexpr std::size_t usageColumn = 29;
std::string SettingsUsage();

// One usage line: "  " and the option, then the words from usageColumn on
// (on a line of their own when the option is longer).
std::string UsageLine(const std::string& option, const std::string& words);
