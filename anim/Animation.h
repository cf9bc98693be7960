// The figure sequence as the saver runs it, without the window: creation,
// size, one point per step, and the start of the next figure. The front
// ends drive it through the point clock from their timers; the renderer
// calls these in a loop.
#pragma once

#include <cstdint>

#include "anim/DrawingSurface.h"
#include "anim/FigureState.h"
#include "anim/PointClock.h"
#include "anim/Resizing.h"
#include "anim/TrigTables.h"
#include "common/Random.h"
#include "settings/SaverSettings.h"
#include "stamps/ShapeStamps.h"

// Everything one running figure sequence owns. The saver keeps one for the
// process; tests and tools may run several side by side.
struct Animation {
    SaverSettings settings;
    FigureState figure;
    TrigTables tables;
    StampVertices vertices;
    RandomGenerator random;
    PointClock clock;
    PictureSize size;
};

// What one step drew, for tracing.
struct PointDrawn {
    int point = 0;          // the point's index, 0..360
    int x = 0;              // its pixel, with the radius before the zoom update
    int y = 0;
    int radius = 0;         // the stamp's radius, 0 when no stamp was drawn
    std::uint32_t colour = 0;
    bool figureComplete = false;  // point 360 was drawn
};

// A start, at window creation or again on a record that ran: takes the
// settings, builds the tables, seeds the generator, sets the starting colour
// and draws the first pair. Everything else goes back to how a new record
// has it (the point, the figure's choices, the point clock, the completion
// delay) except the size, so a start gives the seed's sequence from its first
// figure whatever the record held.
void StartAnimation(Animation& animation, const SaverSettings& settings, std::uint32_t seed);

// The one place settings enter an animation: clamped here as a load would
// leave them, so the engine trusts them after (no division by zero, no
// endless wait, no overflow, whatever a caller's record holds).
void UseSettings(Animation& animation, const SaverSettings& settings);

// The client size as the window reports it (each 0..65535). The figure
// goes on where it was; RestartAtSize is a new size while it runs.
void ResizeAnimation(Animation& animation, int width, int height);

// The stamp radius for the current geometry: the object size (0..5) times
// the smaller client side, truncated; never negative.
std::int32_t FullRadius(const FigureState& figure, double radiusFactor);

// Draws the next point with its own pen colour, starting the figure at point
// 0 and closing a Connect Dots polyline after point 360. Once the figure is
// complete it draws nothing until BeginNextFigure.
PointDrawn DrawNextPoint(Animation& animation, DrawingSurface& surface);

inline bool FigureComplete(const FigureState& figure) { return figure.pointIndex > lastPointIndex; }

// After the completion delay: chooses the next pair and rewinds to point 0.
// The caller erases the window.
void BeginNextFigure(Animation& animation);
