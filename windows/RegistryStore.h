// The settings kept in the current user's registry, one REG_DWORD per value
// under the settings key; and the load and save the saver and its dialog use.
#pragma once

#include <cstdint>

#include <windows.h>

// Fills the process-wide settings record from the registry.
void LoadSettings();

// Writes one value, creating the key path when it is missing.
void SaveSetting(const char* name, std::uint32_t value);

// Whether the desktop's ScreenSaveUsePassword asks for the password. A
// missing switch asks not; up to four bytes read as a number ask when it
// is not 0. It fails closed: the desktop may keep the switch as text, and
// only text that is empty or reads wholly as the number 0 asks not, and a
// switch too long to read asks.
bool DesktopWantsPassword();
