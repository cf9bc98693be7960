// The registry behind the settings store. Every access opens the key, reads
// or writes one value and closes it again; failures keep the defaults.
#include "shell/RegistryStore.h"

#include "settings/SettingsStore.h"
#include "shell/ShellState.h"

namespace {

std::uint32_t LittleEndian(const BYTE (&bytes)[4])
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

class RegistryStore final : public SettingsStore {
public:
    StoreRead ReadValue(const char* name, std::uint32_t& value) override
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
            return StoreRead::KeyMissing;
        }
        // A value shorter than four bytes fills the low bytes; the rest stay 0.
        BYTE bytes[4] = {0, 0, 0, 0};
        DWORD size = sizeof bytes;
        const LONG result = RegQueryValueExA(key, name, nullptr, nullptr, bytes, &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) return StoreRead::ValueMissing;
        value = LittleEndian(bytes);
        return StoreRead::Found;
    }

    void WriteValue(const char* name, std::uint32_t value) override
    {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return;
        }
        const BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                               static_cast<BYTE>(value >> 24)};
        RegSetValueExA(key, name, 0, REG_DWORD, bytes, sizeof bytes);
        RegCloseKey(key);
    }
};

}  // namespace

void LoadSettings()
{
    RegistryStore store;
    LoadSettings(animation.settings, store);
}

void SaveSetting(const char* name, std::uint32_t value)
{
    RegistryStore store;
    SaveSetting(store, name, value);
}

bool ReadRegistryNumber(HKEY root, const char* keyPath, const char* name, std::uint32_t& value)
{
    HKEY key;
    if (RegOpenKeyA(root, keyPath, &key) != ERROR_SUCCESS) return false;
    BYTE bytes[4] = {0, 0, 0, 0};
    DWORD size = sizeof bytes;
    DWORD type = REG_NONE;
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, bytes, &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return false;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        // The desktop keeps this switch as text ("0" or "1"): its bytes taken
        // as a number would make "0" ask for a password.
        value = 0;
        for (DWORD i = 0; i < size && bytes[i] >= '0' && bytes[i] <= '9'; ++i) value = value * 10 + (bytes[i] - '0');
        return true;
    }
    value = LittleEndian(bytes);
    return true;
}
