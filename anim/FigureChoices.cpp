// Curve pairs, the per-figure draws from the selection sets and the colour drift.
#include "anim/FigureChoices.h"

#include "anim/Curves.h"
#include "anim/DrawingSurface.h"

namespace {

// For a key type, the inclusive ranges of partner types it never goes with.
struct PartnerRange {
    int key;
    int first;
    int last;
};

constexpr PartnerRange exclusionTable[] = {
    {0, 32, 39},  {2, 0, 15},   {4, 0, 19},   {5, 14, 14},  {6, 20, 39},  {12, 9, 10},
    {13, 0, 19},  {15, 0, 13},  {19, 9, 9},   {30, 33, 39}, {32, 34, 39}, {33, 34, 39},
    {34, 32, 39}, {35, 36, 37}, {36, 32, 39}, {37, 32, 39}, {38, 37, 39}, {39, 37, 39},
    {45, 44, 49}, {46, 0, 15},  {46, 40, 49}, {47, 40, 49}, {48, 42, 49}, {49, 0, 15},
};

bool ListsPartner(int key, int partner)
{
    for (const PartnerRange& range : exclusionTable) {
        if (range.key == key && partner >= range.first && partner <= range.last) return true;
    }
    return false;
}

// The bits 2 .. 2^n.
constexpr std::uint32_t DrawableBits(int n) { return ((1u << (n + 1)) - 1u) & ~1u; }

bool IsSingleBit(std::uint32_t set) { return set != 0 && (set & (set - 1)) == 0; }

std::uint32_t ChooseFromSet(std::uint32_t set, int n, RandomGenerator& random)
{
    const std::uint32_t drawable = DrawableBits(n);
    if (IsSingleBit(set) && (set & drawable) != 0) return set;
    if ((set & drawable) == 0) return 2;
    return DrawBitInSet(set, n, 1, random);
}

std::uint8_t StepChannel(std::uint8_t channel, std::int32_t& step, std::int32_t colourOption)
{
    if (channel >= 250 || channel <= colourOption) step = -step;  // below the floor + 1
    return static_cast<std::uint8_t>(channel + step);
}

}  // namespace

bool IsExcludedPair(int a, int b) { return a == b || ListsPartner(a, b) || ListsPartner(b, a); }

void ChooseCurvePair(FigureState& figure, RandomGenerator& random)
{
    do {
        figure.curveTypeX = NextRandom(random) % curveTypeCount;
        figure.curveTypeY = NextRandom(random) % curveTypeCount;
    } while (IsExcludedPair(figure.curveTypeX, figure.curveTypeY));
}

std::uint32_t ChooseShape(std::uint32_t objectShape, RandomGenerator& random)
{
    return ChooseFromSet(objectShape, 8, random);
}

std::uint32_t ChooseRotation(std::uint32_t objectRotation, RandomGenerator& random)
{
    return ChooseFromSet(objectRotation, 3, random);
}

std::uint32_t ChooseZoomLevel(std::uint32_t zoomOption, RandomGenerator& random)
{
    if ((zoomOption & DrawableBits(4)) == 0) return 0;
    return DrawBitInSet(zoomOption, 4, 1, random);
}

void InitPenColour(FigureState& figure, RandomGenerator& random)
{
    figure.redStep = 1;
    figure.greenStep = 2;
    figure.blueStep = 3;
    figure.red = static_cast<std::uint8_t>(NextRandom(random) % 120 + 50);
    figure.green = static_cast<std::uint8_t>(NextRandom(random) % 120 + 50);
    figure.blue = static_cast<std::uint8_t>(NextRandom(random) % 120 + 50);
}

std::uint32_t NextPenColour(FigureState& figure, std::int32_t colourOption)
{
    figure.red = StepChannel(figure.red, figure.redStep, colourOption);
    figure.green = StepChannel(figure.green, figure.greenStep, colourOption);
    figure.blue = StepChannel(figure.blue, figure.blueStep, colourOption);
    return MakeColour(figure.red, figure.green, figure.blue);
}
