// Millisecond tick counts that wrap every 49.7 days: differences are taken
// in unsigned 32-bit arithmetic so the wrap does no harm.
#pragma once

#include <cstdint>

inline std::uint32_t TicksSince(std::uint32_t earlier, std::uint32_t now) { return now - earlier; }
