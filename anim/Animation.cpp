// The engine side of the saver window's creation, size and timer events.
#include "anim/Animation.h"

#include <algorithm>

#include "anim/Curves.h"
#include "anim/FigureChoices.h"
#include "common/Truncate.h"
#include "settings/StoredValues.h"
#include "stamps/StampZoom.h"

namespace {

void StartFigure(Animation& animation, DrawingSurface& surface)
{
    FigureState& figure = animation.figure;
    const SaverSettings& settings = animation.settings;
    RandomGenerator& random = animation.random;

    figure.firstStamp = true;
    figure.radius = FullRadius(figure, settings.radiusFactor);
    GenerateCurves(figure, animation.tables, random);
    figure.shape = ChooseShape(settings.objectShape, random);
    figure.rotation = ChooseRotation(settings.objectRotation, random);
    figure.zoomLevel = ChooseZoomLevel(settings.zoomOption, random);
    if (figure.zoomLevel != 0) SetUpZoom(figure, settings.zoomOption, random);
    if (settings.joinTheDots == 1) surface.MoveTo(figure.startX, figure.startY);
}

}  // namespace

void UseSettings(Animation& animation, const SaverSettings& settings)
{
    animation.settings = settings;
    ClampSettings(animation.settings);
}

void StartAnimation(Animation& animation, const SaverSettings& settings, std::uint32_t seed)
{
    const FigureState& used = animation.figure;
    const int width = used.clientWidth + 2, height = used.clientHeight + 2;
    animation.figure = FigureState{};
    animation.vertices = StampVertices{};
    animation.clock = PointClock{};
    UseSettings(animation, settings);
    ResizeAnimation(animation, width, height);
    BuildTrigTables(animation.tables);
    SeedRandom(animation.random, seed);
    InitPenColour(animation.figure, animation.random);
    ChooseCurvePair(animation.figure, animation.random);
}

std::int32_t FullRadius(const FigureState& figure, double radiusFactor)
{
    const double smaller = std::min(figure.clientHeight * radiusFactor, figure.clientWidth * radiusFactor);
    // A client side below 2 pixels would give a negative radius.
    return std::max(TruncateToInt(smaller), 0);
}

void ResizeAnimation(Animation& animation, int width, int height)
{
    FigureState& figure = animation.figure;
    figure.clientWidth = width - 2;
    figure.clientHeight = height - 2;
    figure.radius = figure.maxRadius = FullRadius(figure, animation.settings.radiusFactor);
}

PointDrawn DrawNextPoint(Animation& animation, DrawingSurface& surface)
{
    FigureState& figure = animation.figure;
    PointDrawn drawn;
    if (FigureComplete(figure)) {
        drawn.point = figure.pointIndex;
        drawn.figureComplete = true;
        return drawn;
    }

    const SaverSettings& settings = animation.settings;
    const bool connectDots = settings.joinTheDots == 1;
    drawn.colour = NextPenColour(figure, settings.colourOption);
    surface.SelectPen(drawn.colour);
    if (figure.pointIndex == 0) StartFigure(animation, surface);

    drawn.point = figure.pointIndex;
    const Pixel pixel = MapPoint(figure, figure.pointIndex);
    drawn.x = pixel.x;
    drawn.y = pixel.y;
    if (figure.radius != 0) {
        if (figure.zoomLevel != 0) UpdateStampRadius(figure);
        StampShape(StampContext{surface, figure, animation.vertices, animation.tables, connectDots}, pixel.x, pixel.y);
        drawn.radius = figure.radius;
    } else if (connectDots) {
        surface.LineTo(pixel.x, pixel.y);
    } else {
        surface.SetPixel(pixel.x, pixel.y, drawn.colour);
    }

    figure.pointIndex += 1;
    if (FigureComplete(figure)) {
        if (figure.radius < 0.001 && connectDots) {
            const Pixel first = MapPoint(figure, 0);
            surface.LineTo(first.x, first.y);
        }
        drawn.figureComplete = true;
    }
    return drawn;
}

void BeginNextFigure(Animation& animation)
{
    ChooseCurvePair(animation.figure, animation.random);
    animation.figure.pointIndex = 0;
}
