// The front ends' clock for the point clock: milliseconds of a wrapping
// 32-bit count that no change of the wall clock disturbs.
#pragma once

#include <chrono>
#include <cstdint>

inline std::uint32_t SteadyTicks()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}
