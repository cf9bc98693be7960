// Conversion and checking of the eight stored settings values.
#include "settings/StoredValues.h"

#include <cmath>

namespace {

bool SameNameIgnoringCase(const char* a, const char* b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (lower(*a) != lower(*b)) return false;
    }
    return *a == *b;
}

std::uint32_t MendNumber(const SettingRow& row, std::uint32_t stored)
{
    const bool below = row.isSigned ? static_cast<std::int32_t>(stored) < static_cast<std::int32_t>(row.low)
                                    : stored < row.low;
    if (below) return row.below;
    return stored > row.high ? row.high : stored;
}

}  // namespace

const char* StoredValueName(StoredValue value) { return SettingRowOf(value).name; }

bool FindStoredValue(const char* name, StoredValue& value)
{
    for (const SettingRow& row : settingsTable) {
        if (SameNameIgnoringCase(name, row.name)) {
            value = row.value;
            return true;
        }
    }
    return false;
}

std::uint32_t MendStored(StoredValue value, std::uint32_t stored)
{
    const SettingRow& row = SettingRowOf(value);
    std::uint32_t bits = 0;
    switch (row.kind) {
    case SettingKind::Number:
        return MendNumber(row, stored);
    case SettingKind::Flag:
        return stored == 1 ? 1 : 0;
    case SettingKind::BitSet:
        for (const SettingChoice& choice : row.choices) bits |= stored & choice.value;
        return bits != 0 ? bits : row.fallback;
    case SettingKind::OneOf:
        for (const SettingChoice& choice : row.choices) {
            if (stored == choice.value) return stored;
        }
        return row.defaultStored;
    }
    return row.defaultStored;
}

void ApplyStoredValue(SaverSettings& settings, StoredValue value, std::uint32_t stored)
{
    stored = MendStored(value, stored);
    const auto asSigned = static_cast<std::int32_t>(stored);
    switch (value) {
    case StoredValue::RadiusFactor:
        settings.radiusFactor = RadiusFactorOfPercent(stored);
        break;
    case StoredValue::ImagesPerSec:
        settings.timerInterval = IntervalOfRate(stored);
        break;
    case StoredValue::JoinTheDots:
        settings.joinTheDots = asSigned;
        break;
    case StoredValue::ObjectShape:
        settings.objectShape = stored;
        break;
    case StoredValue::ObjectRotation:
        settings.objectRotation = stored;
        break;
    case StoredValue::ColourOption:
        settings.colourOption = asSigned;
        break;
    case StoredValue::ZoomOption:
        settings.zoomOption = stored;
        break;
    case StoredValue::EndDelay:
        settings.endDelay = asSigned;
        break;
    }
}

namespace {

// Object size as whole percent, rounded to nearest, as the dialog shows it.
std::uint32_t RadiusPercent(double radiusFactor)
{
    const double percent = std::floor(radiusFactor * 100.0 + 0.5);
    if (!(percent > 0.0)) return 0;  // also catches NaN
    const std::uint32_t most = SettingRowOf(StoredValue::RadiusFactor).high;
    return percent >= most ? most : static_cast<std::uint32_t>(percent);
}

}  // namespace

std::uint32_t StoredFormOf(const SaverSettings& settings, StoredValue value)
{
    switch (value) {
    case StoredValue::RadiusFactor:
        return RadiusPercent(settings.radiusFactor);
    case StoredValue::ImagesPerSec:
        // An interval of 0 cannot be loaded; it counts as the fastest rate.
        return settings.timerInterval == 0 ? SettingRowOf(value).high : 1000 / settings.timerInterval;
    case StoredValue::JoinTheDots:
        return static_cast<std::uint32_t>(settings.joinTheDots);
    case StoredValue::ObjectShape:
        return settings.objectShape;
    case StoredValue::ObjectRotation:
        return settings.objectRotation;
    case StoredValue::ColourOption:
        return static_cast<std::uint32_t>(settings.colourOption);
    case StoredValue::ZoomOption:
        return settings.zoomOption;
    case StoredValue::EndDelay:
        return static_cast<std::uint32_t>(settings.endDelay);
    }
    return 0;
}

void ClampSettings(SaverSettings& settings)
{
    for (const SettingRow& row : settingsTable) ApplyStoredValue(settings, row.value, StoredFormOf(settings, row.value));
}
