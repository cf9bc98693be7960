// Settings given on a command line, shared by every tool and front end that
// takes them: NAME=VALUE in a registry value's stored form, one friendlier
// option per setting (as a settings panel writes them), and the numbers they
// are written in. Every value goes through the same checks as a registry load.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/SaverSettings.h"
#include "settings/StoredValues.h"

// A whole number of decimal digits (or, with hex allowed, hexadecimal digits
// after 0x) no greater than limit. No sign, no blanks.
bool ParseWholeNumber(const std::string& text, unsigned long long limit, bool allowHex, unsigned long long& value);

// A stored settings number: decimal, or hexadecimal after 0x, 32 bits.
bool ParseStoredNumber(const std::string& text, std::uint32_t& value);

// The stored numbers that a command line builds up option by option, in
// load order. The settings take them all at once at the end, so that
// "--no-circle --square" never passes through an empty shape set.
using StoredNumbers = std::array<std::uint32_t, storedValueCount>;
StoredNumbers StoredNumbersOf(const SaverSettings& settings);
void ApplyStoredNumbers(SaverSettings& settings, const StoredNumbers& numbers);

// Applies NAME=VALUE: NAME is one of the eight registry value names (any
// case) or a short alias (size, rate, connect, shape, rotation, colour,
// zoom, delay). False with a one-line error naming the problem.
bool ApplySetOption(const std::string& assignment, StoredNumbers& numbers, std::string& error);

// The setting options, named without their dashes: "set" (NAME=VALUE), a
// number ("object-size 29"), or a switch ("square", "no-square").
enum class SettingOptionKind { NotSetting, Switch, TakesValue };
SettingOptionKind FindSettingOption(const std::string& name);

// Applies a setting option found above; a switch ignores the argument. False
// with a one-line error naming the option and the problem.
bool ApplySettingOption(const std::string& name, const std::string& argument, StoredNumbers& numbers,
                        std::string& error);

// The lines of a usage text that explain NAME=VALUE, and the setting options.
extern const char* const setOptionUsage;
extern const char* const settingOptionUsage;
