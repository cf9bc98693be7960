// When pointer travel ends the full-screen saver: more than 4 pixels, counted
// as |dx| + |dy| from where the pointer was when the saver started watching,
// so that a slow drift ends it once it adds up.
#pragma once

inline constexpr long long pointerTolerance = 4;

constexpr bool PointerTravelEnds(long long dx, long long dy)
{
    return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy) > pointerTolerance;
}
