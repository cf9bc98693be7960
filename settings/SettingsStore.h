// Where the settings are kept, behind an interface: the Windows shell reads
// and writes the registry, tests use an in-memory store. LoadSettings fills
// the record value by value the way the saver always has.
#pragma once

#include <cstdint>

#include "settings/SaverSettings.h"

// The settings key under the current user's registry.
inline constexpr const char* settingsKeyPath = "software\\wexmoor\\lumo_ss\\Settings";

enum class StoreRead {
    KeyMissing,    // the key cannot be opened: the field keeps its value
    ValueMissing,  // the key is there but the value cannot be read as 4 bytes
    Found,
};

class SettingsStore {
public:
    virtual StoreRead ReadValue(const char* name, std::uint32_t& value) = 0;
    virtual void WriteValue(const char* name, std::uint32_t value) = 0;

protected:
    ~SettingsStore() = default;
};

// Loads all eight values in their fixed order. The object size and the rate
// are reset to their defaults just before each is read; a value that is
// missing turns Connect Dots off and leaves every other field as it was.
void LoadSettings(SaverSettings& settings, SettingsStore& store);

void SaveSetting(SettingsStore& store, const char* name, std::uint32_t value);
