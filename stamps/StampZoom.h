// The zoom that makes a figure's stamps shrink and grow from point to point:
// chosen and set up once per figure, applied once per point.
#pragma once

#include <cstdint>

#include "anim/FigureState.h"
#include "common/Random.h"

// At a figure's first point, for a figure with a zoom level: draws phases
// then start, derives the step (points per pixel, or pixels per point once
// the change per phase reaches the phase length) and, starting small,
// lowers the radius.
void SetUpZoom(FigureState& figure, std::uint32_t zoomOption, RandomGenerator& random);

// Per point, before its stamp: reverses at the phase ends, steps the radius
// and holds it between 1 and maxRadius.
void UpdateStampRadius(FigureState& figure);
