// The settings panels' policy, read off the settings table.
#include "settings/SettingsPanel.h"

EntryCheck CheckEntry(const SettingRow& row, Entry entry, std::uint32_t held)
{
    if (!entry.isNumber) return {row.defaultStored, false};
    if (entry.whole && entry.number >= row.low && entry.number <= row.high) {
        return {static_cast<std::uint32_t>(entry.number), false};
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
