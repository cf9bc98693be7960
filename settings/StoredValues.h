// The eight stored values of the settings, by the settings table: their
// names, how a stored number is mended and becomes a field of
// SaverSettings, how a field becomes a stored number again, and the clamp
// that makes any record one a load could have given.
#pragma once

#include <cstdint>

#include "settings/SaverSettings.h"

const char* StoredValueName(StoredValue value);

// Looks a value up by its name, ignoring case. False for an unknown name.
bool FindStoredValue(const char* name, StoredValue& value);

// A stored number made valid by its row: a number is held to its range (one
// below it becomes the row's `below`), a flag other than 0 or 1 is 0, a set
// keeps only its own bits (none of them: its fallback) and a choice other
// than one of its values is the default. So nothing downstream divides by
// zero, loops without end or overflows, whatever a hand edit stored.
std::uint32_t MendStored(StoredValue value, std::uint32_t stored);

// Converts a stored number, mended, into its field.
void ApplyStoredValue(SaverSettings& settings, StoredValue value, std::uint32_t stored);

// The number a save writes for a field.
std::uint32_t StoredFormOf(const SaverSettings& settings, StoredValue value);

// Every field as a load of its stored form would leave it: the one clamp
// that settings pass where they enter the engine, which trusts them after.
void ClampSettings(SaverSettings& settings);
