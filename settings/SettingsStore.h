// Where the settings are kept, behind an interface: the Windows saver reads
// and writes the registry, tests use an in-memory store. LoadSettings fills
// the record value by value the way the saver always has.
#pragma once

#include <cstdint>

#include "settings/SaverSettings.h"

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

// Loads all eight values in the table's order, each as its row's load
// quirk says (a value that is missing otherwise leaves its field as it was).
void LoadSettings(SaverSettings& settings, SettingsStore& store);
