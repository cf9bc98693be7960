// Reading the page's address into settings and writing them back.
#include "web/PageSettings.h"

#include "settings/StoredValues.h"

namespace {

void Append(std::string& address, const std::string& item) { address += (address.empty() ? "" : "&") + item; }

// A switch, or its no- form.
std::string Switch(const char* option, bool on) { return (on ? "" : "no-") + std::string(option); }

}  // namespace

void PageSettings::Reset()
{
    numbers_ = StoredNumbersOf(SaverSettings{});
    seedGiven_ = false;
    seed_ = 0;
}

LenientOutcome PageSettings::Take(const std::string& name, const std::string& value, bool hasValue,
                                  std::string& notice)
{
    if (name == "seed") {
        unsigned long long seed;
        if (!ParseWholeNumber(value, 0xFFFFFFFFull, false, seed)) {
            notice = Abridged(hasValue ? "seed=" + value : name) + " ignored: not a whole number 0..4294967295";
            return LenientOutcome::Ignored;
        }
        seed_ = static_cast<std::uint32_t>(seed);
        seedGiven_ = true;
        return LenientOutcome::Taken;
    }
    return ApplySettingOptionLeniently(name, value, hasValue, numbers_, notice);
}

std::uint32_t PageSettings::Stored(StoredValue value) const
{
    return MendStored(value, numbers_[static_cast<std::size_t>(value)]);
}

SaverSettings PageSettings::Settings() const
{
    SaverSettings settings;
    ApplyStoredNumbers(settings, numbers_);
    return settings;
}

std::string PageSettings::Address(bool withSeed) const
{
    std::string address = seedGiven_ && withSeed ? "seed=" + std::to_string(seed_) : "";
    for (const SettingRow& row : settingsTable) {
        const std::uint32_t stored = Stored(row.value);
        switch (row.kind) {
        case SettingKind::Number:
            if (stored != row.defaultStored) Append(address, std::string(row.option) + "=" + std::to_string(stored));
            break;
        case SettingKind::Flag:
            if (stored != row.defaultStored) Append(address, Switch(row.option, stored == 1));
            break;
        case SettingKind::BitSet:
            for (const SettingChoice& choice : row.choices) {
                const bool on = (stored & choice.value) != 0;
                if (on != ((row.defaultStored & choice.value) != 0)) Append(address, Switch(choice.option, on));
            }
            break;
        case SettingKind::OneOf:
            for (const SettingChoice& choice : row.choices) {
                if (stored == choice.value && stored != row.defaultStored) Append(address, choice.option);
            }
            break;
        }
    }
    return address;
}
