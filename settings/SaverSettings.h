// The user's settings record, holding the settings table's defaults until
// a load or a command line changes it.
#pragma once

#include <cstdint>

#include "settings/SettingBits.h"
#include "settings/SettingsTable.h"

struct SaverSettings {
    // Object size: a fraction of the smaller client side.
    double radiusFactor = RadiusFactorOfPercent(DefaultStored(StoredValue::RadiusFactor));
    // Milliseconds per point.
    std::uint32_t timerInterval = IntervalOfRate(DefaultStored(StoredValue::ImagesPerSec));
    std::int32_t joinTheDots = static_cast<std::int32_t>(DefaultStored(StoredValue::JoinTheDots));
    std::uint32_t objectShape = DefaultStored(StoredValue::ObjectShape);
    std::uint32_t objectRotation = DefaultStored(StoredValue::ObjectRotation);
    // The floor of the colour drift.
    std::int32_t colourOption = static_cast<std::int32_t>(DefaultStored(StoredValue::ColourOption));
    std::uint32_t zoomOption = DefaultStored(StoredValue::ZoomOption);
    // Seconds a finished figure stays.
    std::int32_t endDelay = static_cast<std::int32_t>(DefaultStored(StoredValue::EndDelay));

    bool operator==(const SaverSettings&) const = default;
};
