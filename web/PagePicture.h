// The page's figure sequence and the pixels its canvas shows: the raster
// paints RGBA straight into memory that the page reads as image data, and
// notes the rectangle each wake-up changed so that only that is copied.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "anim/AnimationDriver.h"
#include "anim/DamageSurface.h"
#include "anim/RasterSurface.h"

// The largest canvas: an 8K screen (7680x4320) fits twice over. At 4 bytes
// a pixel that is 256 MiB of the module's memory.
inline constexpr long long maxPagePixels = 64LL << 20;

class PagePicture {
public:
    PagePicture();
    ~PagePicture();
    PagePicture(const PagePicture&) = delete;
    PagePicture& operator=(const PagePicture&) = delete;

    // A new figure sequence at this size. False, with the page kept black
    // and a one-line reason, when no picture of that size can be made.
    bool Start(const SaverSettings& settings, std::uint32_t seed, int width, int height, std::string& error);
    // A new size starts the next figure at that size, as a window's does.
    bool Resize(int width, int height, std::string& error);

    // Draws the points due at `now` (a wrapping millisecond clock) and
    // returns the milliseconds until the next useful wake-up, at least 1;
    // 0 without a picture, when nothing needs waking.
    std::uint32_t Advance(std::uint32_t now);
    // After the page was hidden: see ResumeAnimation. 0 without a picture.
    std::uint32_t Resume(std::uint32_t now);

    // What changed since the last call, starting afresh; the whole picture
    // after a start or a new size.
    PixelRect TakeDamage();
    // The pixels, 4 bytes each, row after row; null without a picture.
    std::uint8_t* Pixels() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    bool Make(int width, int height, std::string& error);
    void Clear();

    std::unique_ptr<Animation> animation_;
    std::uint8_t* pixels_ = nullptr;
    std::unique_ptr<RasterSurface> raster_;
    std::unique_ptr<DamageSurface> surface_;
    int width_ = 0, height_ = 0;
    bool started_ = false;
};
