// A rectangle of pixels, as the damage of a drawing step and the part of a
// picture a front end shows: left <= x < right, top <= y < bottom.
#pragma once

#include <algorithm>

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
};

// The smallest rectangle holding both; an empty one adds nothing.
inline PixelRect Union(PixelRect a, PixelRect b)
{
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}
