// Loading the settings record from a store, value by value.
#include "settings/SettingsStore.h"

#include "settings/StoredValues.h"

void LoadSettings(SaverSettings& settings, SettingsStore& store)
{
    for (const SettingRow& row : settingsTable) {
        if (row.load == LoadQuirk::DefaultFirst) ApplyStoredValue(settings, row.value, row.defaultStored);

        std::uint32_t stored = 0;
        switch (store.ReadValue(row.name, stored)) {
        case StoreRead::KeyMissing:
            break;
        case StoreRead::ValueMissing:
            if (row.load == LoadQuirk::OffWhenMissing) ApplyStoredValue(settings, row.value, 0);
            break;
        case StoreRead::Found:
            ApplyStoredValue(settings, row.value, stored);
            break;
        }
    }
}
