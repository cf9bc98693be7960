// The shapes stamped at a figure's points: a circle and seven corner-based
// shapes that turn with the figure's rotation, drawn as outlines or, with
// Connect Dots, as spokes joining each corner to the same corner of the
// previous point's stamp.
#pragma once

#include "anim/DrawingSurface.h"
#include "anim/FigureState.h"
#include "anim/TrigTables.h"

struct VertexPoint {
    int x;
    int y;
};

// Corners of this point's stamp and of the previous one. Each shape owns
// fixed slots, so the two halves of a composite star keep their own corners.
struct StampVertices {
    VertexPoint current[8];
    VertexPoint previous[8];
};

// What one stamp reads and writes; firstStamp in the figure is cleared by
// the shape that records a figure's first corners.
struct StampContext {
    DrawingSurface& surface;
    FigureState& figure;
    StampVertices& vertices;
    const TrigTables& tables;
    bool connectDots;
};

// Draws the figure's shape centred on (cx, cy) with the selected pen and the
// figure's current radius; a shape value that is not one of the seven
// corner-based bits draws the circle.
void StampShape(const StampContext& stamp, int cx, int cy);
