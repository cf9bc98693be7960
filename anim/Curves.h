// The fifty curve types and the fitting of a figure's curve to the window.
#pragma once

#include "anim/FigureState.h"
#include "anim/TrigTables.h"
#include "common/Random.h"

inline constexpr int curveTypeCount = 50;

// Computes the 361 points of the figure's two curve types, their extremes,
// a random mirroring of each axis (x drawn first), the scales that fit the
// curve into the client area less one stamp radius on each side, and the
// Connect Dots start position (one pixel above and left of point 0).
void GenerateCurves(FigureState& figure, const TrigTables& tables, RandomGenerator& random);

// Point i's pixel with the current radius; the + 1 keeps a full-radius stamp
// one pixel inside the left and top edges.
struct Pixel {
    int x;
    int y;
};
Pixel MapPoint(const FigureState& figure, int i);
