// The page's figure sequence and the pixels its canvas shows: the raster
// paints RGBA straight into memory that the page reads as image data, and
// notes the rectangle each wake-up changed so that only that is copied.
// Its sizes go to the engine as they come, and the picture is made again
// only when the engine takes one (anim/Resizing.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "anim/Animation.h"
#include "anim/DamageSurface.h"
#include "anim/RasterSurface.h"

class PagePicture {
public:
    PagePicture();
    ~PagePicture();
    PagePicture(const PagePicture&) = delete;
    PagePicture& operator=(const PagePicture&) = delete;

    // A new figure sequence at this size, from its first figure, whatever
    // ran before; its first point is due one interval after `now`. Without a
    // picture (the page kept black), Error() says why.
    void Start(const SaverSettings& settings, std::uint32_t seed, int width, int height, std::uint32_t now);
    // The canvas's size now: once sizes have settled, the next figure starts
    // at the last one, as a window's does.
    void Offer(int width, int height, std::uint32_t now) { OfferSize(*animation_, width, height, now); }

    // At any time (`now` on a wrapping millisecond clock): takes a settled
    // size, draws the points due, and returns the milliseconds until the
    // next useful wake-up; noWake when only a new size can change anything.
    std::uint32_t Advance(std::uint32_t now);
    // After the page was hidden: see ResumeAnimation.
    std::uint32_t Resume(std::uint32_t now);

    // Made again with each start and each size taken, even when no picture
    // could be made: the page then fetches the pixels and the size again.
    int Made() const { return made_; }
    const std::string& Error() const { return error_; }

    // What changed since the last call, starting afresh; the whole picture
    // after a start or a new size.
    PixelRect TakeDamage();
    // The pixels, 4 bytes each, row after row; null without a picture.
    std::uint8_t* Pixels() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void Make(int width, int height, std::uint32_t now);
    void Clear();
    std::uint32_t PointWait(std::uint32_t now) const;

    std::unique_ptr<Animation> animation_;
    std::uint8_t* pixels_ = nullptr;
    std::unique_ptr<RasterSurface> raster_;
    std::unique_ptr<DamageSurface> surface_;
    int width_ = 0, height_ = 0;
    int made_ = 0;
    std::string error_;
    std::uint32_t due_ = 0;  // when the point clock wants the next wake-up
};
