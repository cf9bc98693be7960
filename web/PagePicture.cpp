// The page's picture: made, sized, advanced and resumed.
#include "web/PagePicture.h"

#include <cstdlib>

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

bool PagePicture::Make(int width, int height, std::string& error)
{
    Clear();  // the old picture goes first: a new size needs only one at a time
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (width < 1 || height < 1) {
        error = "a canvas of " + size + " pixels has nothing to draw on";
        return false;
    }
    if (width > 65535 || height > 65535 || static_cast<long long>(width) * height > maxPagePixels) {
        error = "a canvas of " + size + " pixels is over the limit of " + std::to_string(maxPagePixels) +
                " pixels; the page stays black";
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    pixels_ = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (pixels_ == nullptr) {
        error = "not enough memory for a canvas of " + size + " pixels; the page stays black";
        return false;
    }
    raster_ = std::make_unique<RasterSurface>(width, height, pixels_, static_cast<std::size_t>(width) * 4, canvasFormat);
    surface_ = std::make_unique<DamageSurface>(*raster_);
    surface_->Erase();  // all of it is shown
    width_ = width, height_ = height;
    ResizeAnimation(*animation_, width, height);
    return true;
}

bool PagePicture::Start(const SaverSettings& settings, std::uint32_t seed, int width, int height, std::string& error)
{
    StartAnimation(*animation_, settings, seed);
    started_ = true;
    return Make(width, height, error);
}

bool PagePicture::Resize(int width, int height, std::string& error)
{
    if (!started_) return false;
    if (!Make(width, height, error)) return false;
    BeginNextFigure(*animation_);
    return true;
}

std::uint32_t PagePicture::Advance(std::uint32_t now)
{
    if (surface_ == nullptr) return 0;
    return AdvanceAnimation(*animation_, *surface_, now).wakeAfter;
}

std::uint32_t PagePicture::Resume(std::uint32_t now) { return surface_ == nullptr ? 0 : ResumeAnimation(*animation_, now); }

PixelRect PagePicture::TakeDamage() { return surface_ == nullptr ? PixelRect{} : surface_->TakeDamage(); }
