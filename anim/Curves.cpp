// Curve values built on the degree tables, and the figure's fitted curve.
#include "anim/Curves.h"

#include <cfloat>
#include <cmath>

#include "anim/Cube.h"
#include "common/Truncate.h"

namespace {

// The value of curve type t at whole-degree point i (0..360). Types 10..49
// raise the base types 0..9 through exp; any other type, or a point outside
// 0..360, gives 0.0.
double CurveValue(const TrigTables& tables, int i, int t)
{
    if (i < 0 || i > lastPointIndex) return 0.0;
    const double* sine = tables.sineTable;
    const double* cosine = tables.cosineTable;
    const double s1 = sine[i];
    const double c1 = cosine[i];
    const int i2 = (2 * i) % 360, i3 = (3 * i) % 360, i4 = (4 * i) % 360;
    const double s2 = sine[i2], c2 = cosine[i2];
    const double s3 = sine[i3], c3 = cosine[i3];
    const double s4 = sine[i4];

    switch (t) {
    case 0: return s2;
    case 1: return c1;
    case 2: return s2 * s2 * c2;
    case 3: return s2 * s2 * c1;
    case 4: return c2 * s1 * s1;
    case 5: return s2 * c2 * s1;
    case 6: return s3 * c2 * s1;
    case 7: return s2 * s3 * s1;
    case 8: return s2 * s4 * s4 * s1;
    case 9: return CubeOf(s3);
    case 18: return std::exp(CurveValue(tables, i, 8) * s1) * c3;
    case 19: return std::exp(CurveValue(tables, i, 9) * c1);
    default: break;
    }
    if (t >= 10 && t <= 17) return std::exp(CurveValue(tables, i, t - 10) * c1);
    if (t >= 20 && t <= 29) return std::exp(CurveValue(tables, i, t - 20)) * s1;
    if (t >= 30 && t <= 39) return std::exp(CurveValue(tables, i, t - 30) * c1) * s2;
    if (t >= 40 && t <= 49) return std::exp(CurveValue(tables, i, t - 40) * s1) * c2;
    return 0.0;
}

// Fills one axis with its curve, tracking the extremes with strict
// comparisons from the largest finite and the smallest positive double.
void FillAxis(const TrigTables& tables, int type, double* points, double& low, double& high)
{
    low = DBL_MAX;
    high = DBL_MIN;
    for (int i = 0; i <= lastPointIndex; ++i) {
        const double v = CurveValue(tables, i, type);
        points[i] = v;
        if (v > high) high = v;
        if (v < low) low = v;
    }
}

void MirrorAxis(double* points, double low, double high)
{
    for (int i = 0; i <= lastPointIndex; ++i) points[i] = high - points[i] + low;
}

}  // namespace

void GenerateCurves(FigureState& figure, const TrigTables& tables, RandomGenerator& random)
{
    FillAxis(tables, figure.curveTypeX, figure.pointsX, figure.minX, figure.maxX);
    FillAxis(tables, figure.curveTypeY, figure.pointsY, figure.minY, figure.maxY);

    figure.mirrorX = NextRandom(random) % 2;
    figure.mirrorY = NextRandom(random) % 2;
    if (figure.mirrorX == 1) MirrorAxis(figure.pointsX, figure.minX, figure.maxX);
    if (figure.mirrorY == 1) MirrorAxis(figure.pointsY, figure.minY, figure.maxY);

    const double r = figure.radius;
    figure.scaleX = static_cast<double>(figure.clientWidth - 2 * figure.radius) / (figure.maxX - figure.minX);
    figure.scaleY = static_cast<double>(figure.clientHeight - 2 * figure.radius) / (figure.maxY - figure.minY);
    figure.startX = TruncateToInt((figure.pointsX[0] - figure.minX) * figure.scaleX + r);
    figure.startY = TruncateToInt((figure.pointsY[0] - figure.minY) * figure.scaleY + r);
}

Pixel MapPoint(const FigureState& figure, int i)
{
    const double r = figure.radius;
    return Pixel{
        TruncateToInt((figure.pointsX[i] - figure.minX) * figure.scaleX + r) + 1,
        TruncateToInt((figure.pointsY[i] - figure.minY) * figure.scaleY + r) + 1,
    };
}
