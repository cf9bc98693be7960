// The animation's record: window geometry, stamp radius, the point being
// drawn, the figure's random choices, its curve and the drifting pen colour.
#pragma once

#include <cstdint>

#include "settings/SaverSettings.h"

inline constexpr int figurePointCount = 361;  // points 0..360, one per whole degree
inline constexpr int lastPointIndex = 360;

struct FigureState {
    // Window geometry, from the client size less 2 on each axis.
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    std::int32_t maxRadius = 0;
    std::int32_t radius = 0;

    // The point the next tick draws; also the stamps' turning angle.
    std::int32_t pointIndex = 0;

    // The figure's choices.
    std::int32_t curveTypeX = 0;
    std::int32_t curveTypeY = 0;
    std::uint32_t shape = ShapeCircle;
    std::uint32_t rotation = RotationNone;
    std::uint32_t zoomLevel = 0;
    std::uint32_t zoomPhases = ZoomPhase4;
    bool shrinking = true;
    std::int32_t zoomStep = 0;
    bool zoomByPixels = false;
    bool firstStamp = false;

    // The curve, fitted to the window at the figure's first point.
    double pointsX[figurePointCount] = {};
    double pointsY[figurePointCount] = {};
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    double scaleX = 0.0, scaleY = 0.0;
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    // The figure's mirror draws (0 or 1), kept for tracing.
    std::int32_t mirrorX = 0;
    std::int32_t mirrorY = 0;

    // Pen colour channels wrap modulo 256; the steps carry over between figures.
    std::uint8_t red = 0, green = 0, blue = 0;
    std::int32_t redStep = 1, greenStep = 2, blueStep = 3;
};
