// What the saver draws on this screen in single-pixel mode, from the seed:
// the engine's own figures, point by point, for comparing with captures.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/SaverSettings.h"

struct PredictedPoint {
    int x;
    int y;
    std::uint32_t colour;
};

// The first `figures` figures, each as its points in drawing order.
std::vector<std::vector<PredictedPoint>> PredictPixelFigures(const SaverSettings& settings, std::uint32_t seed,
                                                             int figures);
