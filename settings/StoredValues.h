// The eight stored values of the settings: their names, how a stored number
// becomes a field of SaverSettings (with the checks that keep hand-edited
// values harmless) and how a field becomes a stored number again.
#pragma once

#include <cstdint>

#include "settings/SaverSettings.h"

// In the order in which a load reads them.
enum class StoredValue {
    RadiusFactor,
    ImagesPerSec,
    JoinTheDots,
    ObjectShape,
    ObjectRotation,
    ColourOption,
    ZoomOption,
    EndDelay,
};

inline constexpr int storedValueCount = 8;

const char* StoredValueName(StoredValue value);

// Looks a value up by its name, ignoring case. False for an unknown name.
bool FindStoredValue(const char* name, StoredValue& value);

// Converts a stored number into its field. Values out of range are mended so
// that nothing downstream divides by zero, loops without end or overflows:
// sizes above 500 % and delays above 60 s are clamped, a negative delay is
// none, a rate of 0 falls back
// to 50 points per second and one above 1000 is clamped to 1000, Connect Dots
// other than 0/1 is off, the bit sets keep only their own bits (an empty shape
// or rotation set becomes Circle or None), and a colour option other than
// 10, 30 or 50 becomes High.
void ApplyStoredValue(SaverSettings& settings, StoredValue value, std::uint32_t stored);

// The number a save writes for a field.
std::uint32_t StoredFormOf(const SaverSettings& settings, StoredValue value);

// Object size as whole percent, rounded to nearest, as the dialog shows it.
std::uint32_t RadiusPercent(double radiusFactor);
