// Converting a real to a pixel coordinate the way the figures need it:
// toward zero. Values far beyond any window are held at +-2^30 instead of
// being undefined, leaving room for the + 1 of the pixel mapping and a
// stamp's radius on either side.
#pragma once

#include <cstdint>

inline constexpr double truncateLimit = 1073741824.0;

inline std::int32_t TruncateToInt(double value)
{
    if (value >= truncateLimit) return static_cast<std::int32_t>(truncateLimit);
    if (value <= -truncateLimit) return -static_cast<std::int32_t>(truncateLimit);
    if (value != value) return 0;  // NaN
    return static_cast<std::int32_t>(value);
}
