// The eight shape stamps and their dispatch.
#include "stamps/ShapeStamps.h"

#include "settings/SaverSettings.h"

namespace {

enum class Mirror { None, Y, X };

// One corner-based shape: where its corners sit and which slots they use.
struct CornerShape {
    int count;
    int firstSlot;
    int angles[8];             // at rest and turning clockwise
    int anticlockwiseAngles[8];
    Mirror anticlockwiseMirror;
    bool halfInnerRadius;      // odd corners at half the radius (the four-point star)
    // Whether this shape's first stamp of a figure clears firstStamp: always,
    // or only when it is the figure's own shape (not half of a star).
    std::uint32_t clearsOnlyAs;
};

constexpr CornerShape squareShape{4, 0, {45, 135, 225, 315}, {45, 135, 225, 315}, Mirror::Y, false, ShapeSquare};
constexpr CornerShape diamondShape{4, 4, {0, 90, 180, 270}, {0, 90, 180, 270}, Mirror::X, false, 0};
constexpr CornerShape triangleShape{3, 0, {90, 210, 330}, {270, 30, 150}, Mirror::Y, false, ShapeTriangle};
constexpr CornerShape pyramidShape{3, 3, {30, 150, 270}, {330, 90, 210}, Mirror::Y, false, 0};
constexpr CornerShape fourPointStarShape{8, 0,
                                         {0, 45, 90, 135, 180, 225, 270, 315},
                                         {0, 45, 90, 135, 180, 225, 270, 315},
                                         Mirror::Y, true, 0};

VertexPoint Corner(const StampContext& stamp, const CornerShape& shape, int corner, int cx, int cy)
{
    const FigureState& figure = stamp.figure;
    const bool anticlockwise = figure.rotation == RotationAntiClockwise;
    const bool turning = anticlockwise || figure.rotation == RotationClockwise;
    const int base = anticlockwise ? shape.anticlockwiseAngles[corner] : shape.angles[corner];
    const int angle = turning ? (figure.pointIndex + base) % 360 : base;
    const int r = (shape.halfInnerRadius && corner % 2 == 1) ? figure.radius / 2 : figure.radius;

    const int dx = static_cast<int>(r * stamp.tables.cosineTable[angle]);
    const int dy = static_cast<int>(r * stamp.tables.sineTable[angle]);
    const Mirror mirror = anticlockwise ? shape.anticlockwiseMirror : Mirror::None;
    return VertexPoint{mirror == Mirror::X ? cx - dx : cx + dx, mirror == Mirror::Y ? cy - dy : cy + dy};
}

void StampCorners(const StampContext& stamp, const CornerShape& shape, int cx, int cy)
{
    VertexPoint* current = stamp.vertices.current + shape.firstSlot;
    VertexPoint* previous = stamp.vertices.previous + shape.firstSlot;
    for (int i = 0; i < shape.count; ++i) current[i] = Corner(stamp, shape, i, cx, cy);

    DrawingSurface& surface = stamp.surface;
    if (!stamp.connectDots) {
        surface.MoveTo(current[0].x, current[0].y);
        for (int i = 1; i < shape.count; ++i) surface.LineTo(current[i].x, current[i].y);
        surface.LineTo(current[0].x, current[0].y);
        return;
    }

    FigureState& figure = stamp.figure;
    if (!figure.firstStamp) {
        for (int i = 0; i < shape.count; ++i) {
            surface.MoveTo(previous[i].x, previous[i].y);
            surface.LineTo(current[i].x, current[i].y);
        }
    } else if (shape.clearsOnlyAs == 0 || figure.shape == shape.clearsOnlyAs) {
        figure.firstStamp = false;
    }
    for (int i = 0; i < shape.count; ++i) previous[i] = current[i];
}

void StampCircle(const StampContext& stamp, int cx, int cy)
{
    const int r = stamp.figure.radius;
    stamp.surface.Arc(cx - r, cy - r, cx + r, cy + r, cx - r, cy, cx - r, cy);
}

void StampSquare(const StampContext& stamp, int cx, int cy) { StampCorners(stamp, squareShape, cx, cy); }
void StampDiamond(const StampContext& stamp, int cx, int cy) { StampCorners(stamp, diamondShape, cx, cy); }
void StampTriangle(const StampContext& stamp, int cx, int cy) { StampCorners(stamp, triangleShape, cx, cy); }
void StampPyramid(const StampContext& stamp, int cx, int cy) { StampCorners(stamp, pyramidShape, cx, cy); }

void StampFourPointStar(const StampContext& stamp, int cx, int cy)
{
    StampCorners(stamp, fourPointStarShape, cx, cy);
}

void StampSixPointStar(const StampContext& stamp, int cx, int cy)
{
    StampTriangle(stamp, cx, cy);
    StampPyramid(stamp, cx, cy);
}

void StampEightPointStar(const StampContext& stamp, int cx, int cy)
{
    StampSquare(stamp, cx, cy);
    StampDiamond(stamp, cx, cy);
}

}  // namespace

void StampShape(const StampContext& stamp, int cx, int cy)
{
    switch (stamp.figure.shape) {
    case ShapeSquare: StampSquare(stamp, cx, cy); break;
    case ShapeTriangle: StampTriangle(stamp, cx, cy); break;
    case ShapeStar4: StampFourPointStar(stamp, cx, cy); break;
    case ShapeDiamond: StampDiamond(stamp, cx, cy); break;
    case ShapePyramid: StampPyramid(stamp, cx, cy); break;
    case ShapeStar6: StampSixPointStar(stamp, cx, cy); break;
    case ShapeStar8: StampEightPointStar(stamp, cx, cy); break;
    default: StampCircle(stamp, cx, cy); break;
    }
}
