// Conversion and checking of the eight stored settings values.
#include "settings/StoredValues.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const valueNames[storedValueCount] = {
    "RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape",
    "ObjectRotation", "ColourOption", "ZoomOption", "EndDelay",
};

constexpr std::uint32_t defaultImagesPerSec = 50;

bool SameNameIgnoringCase(const char* a, const char* b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (lower(*a) != lower(*b)) return false;
    }
    return *a == *b;
}

std::uint32_t KeepBitsOr(std::uint32_t stored, std::uint32_t own, std::uint32_t fallback)
{
    const std::uint32_t kept = stored & own;
    return kept != 0 ? kept : fallback;
}

}  // namespace

const char* StoredValueName(StoredValue value) { return valueNames[static_cast<int>(value)]; }

bool FindStoredValue(const char* name, StoredValue& value)
{
    for (int i = 0; i < storedValueCount; ++i) {
        if (SameNameIgnoringCase(name, valueNames[i])) {
            value = static_cast<StoredValue>(i);
            return true;
        }
    }
    return false;
}

void ApplyStoredValue(SaverSettings& settings, StoredValue value, std::uint32_t stored)
{
    switch (value) {
    case StoredValue::RadiusFactor:
        settings.radiusFactor = (stored > maxRadiusPercent ? maxRadiusPercent : stored) / 100.0;
        break;
    case StoredValue::ImagesPerSec:
        if (stored == 0) stored = defaultImagesPerSec;
        if (stored > maxImagesPerSec) stored = maxImagesPerSec;
        settings.timerInterval = 1000 / stored;
        break;
    case StoredValue::JoinTheDots:
        settings.joinTheDots = stored == 1 ? 1 : 0;
        break;
    case StoredValue::ObjectShape:
        settings.objectShape = KeepBitsOr(stored, ShapeAll, ShapeCircle);
        break;
    case StoredValue::ObjectRotation:
        settings.objectRotation = KeepBitsOr(stored, RotationAll, RotationNone);
        break;
    case StoredValue::ColourOption:
        settings.colourOption =
            (stored == ColourHigh || stored == ColourMedium || stored == ColourLow)
                ? static_cast<std::int32_t>(stored)
                : ColourHigh;
        break;
    case StoredValue::ZoomOption:
        settings.zoomOption = stored & ZoomAll;
        break;
    case StoredValue::EndDelay: {
        // The delay is a signed number of seconds: a negative one waits not
        // at all, and the record holds it as 0 so the dialog can show it.
        const auto seconds = static_cast<std::int32_t>(stored);
        settings.endDelay = seconds < 0 ? 0 : std::min(seconds, static_cast<std::int32_t>(maxEndDelay));
        break;
    }
    }
}

std::uint32_t RadiusPercent(double radiusFactor)
{
    const double percent = std::floor(radiusFactor * 100.0 + 0.5);
    if (!(percent > 0.0)) return 0;  // also catches NaN
    return percent >= maxRadiusPercent ? maxRadiusPercent : static_cast<std::uint32_t>(percent);
}

std::uint32_t StoredFormOf(const SaverSettings& settings, StoredValue value)
{
    switch (value) {
    case StoredValue::RadiusFactor:
        return RadiusPercent(settings.radiusFactor);
    case StoredValue::ImagesPerSec:
        return settings.timerInterval == 0 ? maxImagesPerSec : 1000 / settings.timerInterval;
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
