// The settings panels' policy, read off the settings table.
#include "settings/SettingsPanel.h"

#include <cmath>

EntryCheck CheckEntry(const SettingRow& row, Entry entry, std::uint32_t held)
{
    if (!entry.isNumber) return {row.defaultStored, false};
    const double number = entry.number;
    if (number == std::floor(number) && number >= row.low && number <= row.high) {
        return {static_cast<std::uint32_t>(number), false};
    }
    return {row.warningResetsToDefault ? row.defaultStored : held, true};
}

std::uint32_t AfterSelectAll(const SettingRow& row, std::uint32_t shown, bool on)
{
    switch (row.kind) {
    case SettingKind::Flag:
        return on ? 1 : 0;
    case SettingKind::BitSet: {
        std::uint32_t all = 0;
        for (const SettingChoice& choice : row.choices) all |= choice.value;
        return on ? all : 0;
    }
    case SettingKind::Number:
    case SettingKind::OneOf:
        break;
    }
    return shown;
}

bool KeptOf(const SettingRow& row, std::uint32_t shown, std::uint32_t& kept)
{
    kept = shown;
    if (row.kind == SettingKind::BitSet && shown == 0) kept = row.fallback;
    return row.kind != SettingKind::OneOf || shown != 0;
}
