// Loading the settings record from a store, value by value.
#include "settings/SettingsStore.h"

#include "settings/StoredValues.h"

void LoadSettings(SaverSettings& settings, SettingsStore& store)
{
    const SaverSettings defaults;
    for (int i = 0; i < storedValueCount; ++i) {
        const auto value = static_cast<StoredValue>(i);
        if (value == StoredValue::RadiusFactor) settings.radiusFactor = defaults.radiusFactor;
        if (value == StoredValue::ImagesPerSec) settings.timerInterval = defaults.timerInterval;

        std::uint32_t stored = 0;
        switch (store.ReadValue(StoredValueName(value), stored)) {
        case StoreRead::KeyMissing:
            break;
        case StoreRead::ValueMissing:
            if (value == StoredValue::JoinTheDots) settings.joinTheDots = 0;
            break;
        case StoreRead::Found:
            ApplyStoredValue(settings, value, stored);
            break;
        }
    }
}

void SaveSetting(SettingsStore& store, const char* name, std::uint32_t value)
{
    store.WriteValue(name, value);
}
