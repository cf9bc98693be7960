// The settings kept in the current user's registry, one REG_DWORD per value
// under the settings key; and the load the saver and its dialog use.
#pragma once

#include <cstdint>

#include <windows.h>

#include "settings/SettingsStore.h"

// The settings key under the current user's registry.
inline constexpr const char* settingsKeyPath = "software\\wexmoor\\lumo_ss\\Settings";

// Every access opens the key, reads or writes one value and closes it
// again. A write creates the key path when it is missing.
class RegistryStore final : public SettingsStore {
public:
    StoreRead ReadValue(const char* name, std::uint32_t& value) override;
    void WriteValue(const char* name, std::uint32_t value) override;
};

// Fills the process-wide settings record from the registry.
void LoadSettings();

// Whether the desktop's ScreenSaveUsePassword asks for the password. A
// missing switch asks not; up to four bytes read as a number ask when it
// is not 0. It fails closed: the desktop may keep the switch as text, and
// only text that is empty or reads wholly as the number 0 asks not, and a
// switch too long to read asks.
bool DesktopWantsPassword();
