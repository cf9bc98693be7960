// The random choices of a figure: the curve-type pair (with the pairs that
// are never combined), its shape, rotation and zoom level, and the pen
// colour that drifts on every tick.
#pragma once

#include <cstdint>

#include "anim/FigureState.h"
#include "common/Random.h"

// True when curve types a and b may not form a figure: equal types, or a pair
// listed in the exclusion table in either direction.
bool IsExcludedPair(int a, int b);

// Draws x then y until the pair is allowed.
void ChooseCurvePair(FigureState& figure, RandomGenerator& random);

// One of the set's drawable bits. A set that is exactly one drawable bit is
// returned without a draw; a set with none of them gives Circle / None
// (without a draw) rather than drawing for ever.
std::uint32_t ChooseShape(std::uint32_t objectShape, RandomGenerator& random);
std::uint32_t ChooseRotation(std::uint32_t objectRotation, RandomGenerator& random);
// One of the set's level bits, or 0 (no zoom) when none is set. A single
// level is still found by drawing.
std::uint32_t ChooseZoomLevel(std::uint32_t zoomOption, RandomGenerator& random);

// Steps +1, +2, +3 and channels drawn in 50..169, red first.
void InitPenColour(FigureState& figure, RandomGenerator& random);

// Moves each channel by its step, turning the step at 250 and above or below
// colourOption + 1, and returns the new colour.
std::uint32_t NextPenColour(FigureState& figure, std::int32_t colourOption);
