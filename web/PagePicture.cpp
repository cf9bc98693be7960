// The page's picture: made, sized, advanced and resumed.
#include "web/PagePicture.h"

#include <algorithm>
#include <cstdlib>

#include "common/Ticks.h"

// A canvas's bytes are red, green, blue and alpha, kept opaque.
namespace {
constexpr PixelFormat canvasFormat{rgbxFormat.redShift, rgbxFormat.greenShift, rgbxFormat.blueShift, 0xFF000000};
}  // namespace

PagePicture::PagePicture() : animation_(std::make_unique<Animation>()) {}

PagePicture::~PagePicture() { Clear(); }

void PagePicture::Clear()
{
    surface_.reset();
    raster_.reset();
    std::free(pixels_);
    pixels_ = nullptr;
    width_ = height_ = 0;
}


// Whole and black, or none with the reason: its size over the limit, or
// memory.
void PagePicture::Make(int width, int height, std::uint32_t now)
{
    Clear();  // the old picture goes first: a new size needs only one at a time
    ++made_;
    due_ = now + RestartAtSize(*animation_, width, height);
    error_ = SizeProblem(width, height);
    if (!error_.empty()) {
        error_ = "a canvas of " + error_ + "; the page stays black";
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    pixels_ = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (pixels_ == nullptr) {
        error_ = "not enough memory for a canvas of " + std::to_string(width) + "x" + std::to_string(height) +
                 " pixels; the page stays black";
        return;
    }
    raster_ = std::make_unique<RasterSurface>(width, height, pixels_, static_cast<std::size_t>(width) * 4, canvasFormat);
    surface_ = std::make_unique<DamageSurface>(*raster_);
    surface_->Erase();  // all of it is shown
    width_ = width, height_ = height;
}

void PagePicture::Start(const SaverSettings& settings, std::uint32_t seed, int width, int height, std::uint32_t now)
{
    StartAnimation(*animation_, settings, seed);
    Make(width, height, now);
}

std::uint32_t PagePicture::PointWait(std::uint32_t now) const
{
    return surface_ == nullptr ? noWake : std::max<std::uint32_t>(MillisecondsUntil(due_, now), 1);
}

std::uint32_t PagePicture::Advance(std::uint32_t now)
{
    int width = 0, height = 0;
    if (TakeSize(*animation_, now, width, height)) Make(width, height, now);
    if (surface_ != nullptr && MillisecondsUntil(due_, now) == 0) {
        due_ = now + AdvanceAnimation(*animation_, *surface_, now).wakeAfter;
    }
    return std::min(PointWait(now), SizeWait(*animation_, now));
}

std::uint32_t PagePicture::Resume(std::uint32_t now)
{
    if (surface_ != nullptr) due_ = now + ResumeAnimation(*animation_, now);
    return std::min(PointWait(now), SizeWait(*animation_, now));
}

PixelRect PagePicture::TakeDamage() { return surface_ == nullptr ? PixelRect{} : surface_->TakeDamage(); }
