// The settings kept in the current user's registry, one REG_DWORD per value
// under the settings key; and the load and save the saver and its dialog use.
#pragma once

#include <cstdint>

#include <windows.h>

// Fills the process-wide settings record from the registry.
void LoadSettings();

// Writes one value, creating the key path when it is missing.
void SaveSetting(const char* name, std::uint32_t value);

// Reads up to four bytes of a value as a little-endian number from zero;
// false when the key or value cannot be read or the value is longer.
// A text value is read as the decimal number it spells.
bool ReadRegistryNumber(HKEY root, const char* keyPath, const char* name, std::uint32_t& value);
