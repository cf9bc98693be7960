// Zoom phases, start size and the per-point radius step of the stamps.
#include "stamps/StampZoom.h"

#include <cmath>

#include "common/Truncate.h"

namespace {

struct ZoomFractions {
    double zoom;   // share of the radius that changes within one phase
    double start;  // share of the radius a small start begins with
};

ZoomFractions FractionsFor(std::uint32_t zoomLevel)
{
    switch (zoomLevel) {
    case ZoomMedium: return {0.7, 0.3};
    case ZoomHigh: return {0.9, 0.1};
    case ZoomVeryHigh: return {0.99, 0.01};
    default: return {0.4, 0.6};
    }
}

int PhaseLength(std::uint32_t zoomPhases)
{
    switch (zoomPhases) {
    case ZoomPhase2: return 180;
    case ZoomPhase4: return 90;
    default: return 360;
    }
}

// 32, 64 or 128 from the phase bits; 4 phases when neither 1 nor 2 is set.
std::uint32_t ChooseZoomPhases(std::uint32_t zoomOption, RandomGenerator& random)
{
    if ((zoomOption & (ZoomPhase1 | ZoomPhase2)) == 0) return ZoomPhase4;
    return DrawBitInSet(zoomOption, 3, 5, random);
}

// 256 (start small) or 512 (start large); large when start small is not set.
std::uint32_t ChooseZoomStart(std::uint32_t zoomOption, RandomGenerator& random)
{
    if ((zoomOption & ZoomStartSmall) == 0) return ZoomStartLarge;
    return DrawBitInSet(zoomOption, 2, 8, random);
}

}  // namespace

void SetUpZoom(FigureState& figure, std::uint32_t zoomOption, RandomGenerator& random)
{
    figure.zoomPhases = ChooseZoomPhases(zoomOption, random);
    figure.shrinking = ChooseZoomStart(zoomOption, random) == ZoomStartLarge;
    const int phaseLength = PhaseLength(figure.zoomPhases);
    const ZoomFractions fractions = FractionsFor(figure.zoomLevel);
    const double change = figure.radius * fractions.zoom;

    // A radius of 0 leaves nothing to divide by: its count is taken as 0.
    const double pointsPerPixel = change > 0.0 ? std::ceil(phaseLength / change) : 0.0;
    figure.zoomStep = TruncateToInt(pointsPerPixel);
    figure.zoomByPixels = false;
    if (figure.zoomStep <= 1) {
        figure.zoomByPixels = true;
        figure.zoomStep = TruncateToInt(std::floor(change / phaseLength));
    }

    if (figure.shrinking) return;
    const int smaller = figure.zoomByPixels
                            ? TruncateToInt(std::floor(figure.radius * fractions.start))
                            : figure.radius - phaseLength / figure.zoomStep;
    figure.radius = smaller <= 1 ? 1 : smaller;
}

void UpdateStampRadius(FigureState& figure)
{
    const int p = figure.pointIndex;
    const bool reverses = (figure.zoomPhases == ZoomPhase2 && p == 180) ||
                          (figure.zoomPhases == ZoomPhase4 && (p == 90 || p == 180 || p == 270));
    if (reverses) figure.shrinking = !figure.shrinking;

    if (figure.zoomByPixels) {
        figure.radius += figure.shrinking ? -figure.zoomStep : figure.zoomStep;
    } else if (figure.zoomStep > 0 && p % figure.zoomStep == 0) {
        figure.radius += figure.shrinking ? -1 : 1;
    }

    if (figure.radius <= 1) figure.radius = 1;
    if (figure.radius >= figure.maxRadius) figure.radius = figure.maxRadius;
}
