// A running animation given a new size: the one limit on the sizes a front
// end draws at, the settling of a burst of sizes (a drag, quick resolution
// changes) into one, and the restart at the size that settled. Front ends
// offer every size their window or output reports, wake when the point
// clock or the settling asks, and make their picture again only when a size
// is taken.
#pragma once

#include <cstdint>
#include <string>

struct Animation;

// The largest side a window size message can carry, and the largest
// picture: four 8K monitors (7680x4320) side by side fit, half a GiB at
// 4 bytes a pixel.
inline constexpr long long largestSide = 65535;
inline constexpr long long largestCanvasPixels = 128LL << 20;

// How long a new size must stay put before the figures restart at it; the
// old picture stays meanwhile.
inline constexpr std::uint32_t sizeSettleMilliseconds = 200;

// A wait that only an event can end.
inline constexpr std::uint32_t noWake = UINT32_MAX;

// The size the figures are drawn at, and one waiting to settle.
struct PictureSize {
    int width = 0, height = 0;  // 0 before the first size is taken
    int nextWidth = 0, nextHeight = 0;
    std::uint32_t settlesAt = 0;
    bool waiting = false;
};

// "" when a picture of width x height pixels can be drawn; else why not,
// as a phrase ("1024x0 pixels: each side must be 1 to 65535").
std::string SizeProblem(long long width, long long height);

// A size the window or output has now. The first is taken at the next
// wake-up; a later one once no other came for sizeSettleMilliseconds; a
// return to the size drawn before it was taken keeps the picture.
void OfferSize(Animation& animation, int width, int height, std::uint32_t now);

// Milliseconds until the waiting size is due to be taken; noWake when none
// waits.
std::uint32_t SizeWait(const Animation& animation, std::uint32_t now);

// True, with the size, when the waiting size is due: it becomes the
// picture's size, whether or not the front end can make a picture of it.
bool TakeSize(Animation& animation, std::uint32_t now, int& width, int& height);

// The figures at a new size, on a picture the caller has erased: the figure
// begun is the one the renderer draws next (the figure that had not drawn
// its first point yet, else the seed's next one), with its first point one
// interval away. Returns the milliseconds until that wake-up.
std::uint32_t RestartAtSize(Animation& animation, int width, int height);
