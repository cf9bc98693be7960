// The registry behind the settings store. Every access opens the key, reads
// or writes one value and closes it again; failures keep the defaults.
#include "shell/RegistryStore.h"

#include "settings/SettingsStore.h"
#include "shell/ShellState.h"

namespace {

// Up to four bytes of a value. A shorter value fills the low bytes and the
// rest stay 0; a longer one cannot be read.
struct FourBytes {
    BYTE bytes[4] = {0, 0, 0, 0};
    DWORD size = sizeof bytes;
    DWORD type = REG_NONE;

    std::uint32_t LittleEndian() const
    {
        return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
               static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    }
};

// Reads one value and closes the key, whether or not the read succeeded.
bool ReadAndClose(HKEY key, const char* name, FourBytes& value)
{
    const LONG result = RegQueryValueExA(key, name, nullptr, &value.type, value.bytes, &value.size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

class RegistryStore final : public SettingsStore {
public:
    StoreRead ReadValue(const char* name, std::uint32_t& value) override
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
            return StoreRead::KeyMissing;
        }
        // The settings' values are taken as numbers whatever their type.
        FourBytes stored;
        if (!ReadAndClose(key, name, stored)) return StoreRead::ValueMissing;
        value = stored.LittleEndian();
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
    FourBytes stored;
    if (!ReadAndClose(key, name, stored)) return false;
    if (stored.type == REG_SZ || stored.type == REG_EXPAND_SZ) {
        // The desktop keeps this switch as text ("0" or "1"): its bytes taken
        // as a number would make "0" ask for a password.
        value = 0;
        for (DWORD i = 0; i < stored.size && stored.bytes[i] >= '0' && stored.bytes[i] <= '9'; ++i) {
            value = value * 10 + (stored.bytes[i] - '0');
        }
        return true;
    }
    value = stored.LittleEndian();
    return true;
}
