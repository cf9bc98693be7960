// Millisecond tick counts that wrap every 49.7 days: differences are taken
// in unsigned 32-bit arithmetic so the wrap does no harm.
#pragma once

#include <cstdint>

inline std::uint32_t TicksSince(std::uint32_t earlier, std::uint32_t now) { return now - earlier; }

// Milliseconds from now until `due`; 0 once it has come. The difference is
// read as signed, so a due time up to 24 days either side is ordered right
// across the wrap.
inline std::uint32_t MillisecondsUntil(std::uint32_t due, std::uint32_t now)
{
    const auto left = static_cast<std::int32_t>(due - now);
    return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}
