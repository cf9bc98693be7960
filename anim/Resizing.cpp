// Sizes offered while an animation runs, settled, and restarted at.
#include "anim/Resizing.h"

#include "anim/Animation.h"
#include "anim/FigureChoices.h"
#include "common/Ticks.h"

std::string SizeProblem(long long width, long long height)
{
    const std::string size = std::to_string(width) + "x" + std::to_string(height) + " pixels";
    if (width < 1 || height < 1 || width > largestSide || height > largestSide) {
        return size + ": each side must be 1 to " + std::to_string(largestSide);
    }
    if (width * height > largestCanvasPixels) {
        return size + " are over the limit of " + std::to_string(largestCanvasPixels) + " pixels";
    }
    return {};
}

void OfferSize(Animation& animation, int width, int height, std::uint32_t now)
{
    PictureSize& size = animation.size;
    if (size.waiting && width == size.nextWidth && height == size.nextHeight) return;  // still put
    const bool first = size.width == 0 && size.height == 0;
    size.waiting = first || width != size.width || height != size.height;
    size.nextWidth = width, size.nextHeight = height;
    size.settlesAt = first ? now : now + sizeSettleMilliseconds;
}

std::uint32_t SizeWait(const Animation& animation, std::uint32_t now)
{
    return animation.size.waiting ? MillisecondsUntil(animation.size.settlesAt, now) : noWake;
}

bool TakeSize(Animation& animation, std::uint32_t now, int& width, int& height)
{
    PictureSize& size = animation.size;
    if (SizeWait(animation, now) != 0) return false;
    size.waiting = false;
    width = size.width = size.nextWidth;
    height = size.height = size.nextHeight;
    return true;
}

std::uint32_t RestartAtSize(Animation& animation, int width, int height)
{
    PictureSize& size = animation.size;
    size.width = width, size.height = height;
    size.waiting = false;
    ResizeAnimation(animation, width, height);
    // A figure takes its draws from the generator at its first point: one
    // that never drew it goes on at the new size, so the sequence stays the
    // seed's. One cut short first drifts the pen colour through the points
    // it did not draw, so the next figure's colours are the seed's too.
    FigureState& figure = animation.figure;
    if (figure.pointIndex == 0) return animation.settings.timerInterval;
    for (int point = figure.pointIndex; point < figurePointCount; ++point) {
        NextPenColour(figure, animation.settings.colourOption);
    }
    BeginNextFigure(animation);
    return animation.settings.timerInterval;
}
