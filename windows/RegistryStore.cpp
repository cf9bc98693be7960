// The registry behind the settings store; failures keep the defaults.
#include "windows/RegistryStore.h"

#include "windows/SaverState.h"

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

// Reads one value and closes the key, whether or not the read succeeded;
// ERROR_MORE_DATA says the value is there but longer than four bytes.
LONG ReadAndClose(HKEY key, const char* name, FourBytes& value)
{
    const LONG result = RegQueryValueExA(key, name, nullptr, &value.type, value.bytes, &value.size);
    RegCloseKey(key);
    return result;
}

// Text that is empty or all zero digits ("0", "00") up to its end.
bool IsZeroText(const FourBytes& text)
{
    for (DWORD i = 0; i < text.size && text.bytes[i] != '\0'; ++i) {
        if (text.bytes[i] != '0') return false;
    }
    return true;
}

}  // namespace

StoreRead RegistryStore::ReadValue(const char* name, std::uint32_t& value)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return StoreRead::KeyMissing;
    }
    // The settings' values are taken as numbers whatever their type.
    FourBytes stored;
    if (ReadAndClose(key, name, stored) != ERROR_SUCCESS) return StoreRead::ValueMissing;
    value = stored.LittleEndian();
    return StoreRead::Found;
}

void RegistryStore::WriteValue(const char* name, std::uint32_t value)
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

void LoadSettings()
{
    RegistryStore store;
    LoadSettings(saverSettings, store);
}

bool DesktopWantsPassword()
{
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &key) != ERROR_SUCCESS) return false;
    FourBytes stored;
    const LONG result = ReadAndClose(key, "ScreenSaveUsePassword", stored);
    if (result == ERROR_MORE_DATA) return true;
    if (result != ERROR_SUCCESS) return false;
    if (stored.type == REG_SZ || stored.type == REG_EXPAND_SZ) return !IsZeroText(stored);
    return stored.LittleEndian() != 0;
}
