// Settings given on a command line, shared by every tool and front end that
// takes them: NAME=VALUE in a registry value's stored form, converted and
// checked exactly as a registry load does, and the numbers they are written in.
#pragma once

#include <cstdint>
#include <string>

#include "settings/SaverSettings.h"

// A whole number of decimal digits (or, with hex allowed, hexadecimal digits
// after 0x) no greater than limit. No sign, no blanks.
bool ParseWholeNumber(const std::string& text, unsigned long long limit, bool allowHex, unsigned long long& value);

// A stored settings number: decimal, or hexadecimal after 0x, 32 bits.
bool ParseStoredNumber(const std::string& text, std::uint32_t& value);

// Applies NAME=VALUE: NAME is one of the eight registry value names (any
// case) or a short alias (size, rate, connect, shape, rotation, colour,
// zoom, delay). False with a one-line error naming the problem.
bool ApplySetOption(const std::string& assignment, SaverSettings& settings, std::string& error);

// The lines of a usage text that explain NAME=VALUE.
extern const char* const setOptionUsage;
