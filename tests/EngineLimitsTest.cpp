// What no known answer shows: whatever the window, object size and
// selection sets, the engine neither overflows, nor divides by zero, nor
// draws for ever (these also run under UBSan and ASan).
#include <gtest/gtest.h>

#include <memory>

#include "anim/Animation.h"
#include "anim/FigureChoices.h"
#include "anim/RecordingSurface.h"

namespace {

TEST(EngineLimits, AnyWindowAndObjectSizeDrawsWholeFiguresWithinRange)
{
    SaverSettings settings{.joinTheDots = 1, .objectShape = ShapeAll, .objectRotation = RotationAll, .zoomOption = ZoomAll};
    for (double factor : {0.08, 0.5, 5.0, 1e300, -3.0}) {
        settings.radiusFactor = factor;
        for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 2}, {0, 500}, {2, 768}, {65535, 1}, {65535, 65535}}) {
            auto animation = std::make_unique<Animation>();
            StartAnimation(*animation, settings, 4);
            ResizeAnimation(*animation, w, h);
            EXPECT_GE(animation->figure.radius, 0);
            EXPECT_TRUE(w != 2 || animation->figure.radius == 0) << "a client width of 2 leaves no room";
            RecordingSurface surface;
            for (int figure = 0; figure < 2; ++figure) {
                PointDrawn drawn;
                do drawn = DrawNextPoint(*animation, surface);
                while (!drawn.figureComplete);
                EXPECT_EQ(drawn.point, 360);
                BeginNextFigure(*animation);
            }
        }
    }
}

TEST(EngineLimits, PointsBeforeAnySizeAllLandOnPixelOneOne)
{
    auto animation = std::make_unique<Animation>();
    StartAnimation(*animation, SaverSettings{}, 3);
    RecordingSurface surface;
    for (PointDrawn p; !p.figureComplete;) {
        p = DrawNextPoint(*animation, surface);
        ASSERT_TRUE(p.x == 1 && p.y == 1) << p.x << "," << p.y;
    }
}

// Sets with none of their drawable bits cannot come from a load, but must
// not make a choice draw for ever: they give Circle, None and no zoom.
TEST(EngineLimits, SelectionSetsWithNothingDrawableChooseWithoutDrawing)
{
    RandomGenerator random;
    EXPECT_EQ(ChooseShape(0x201, random), ShapeCircle);
    EXPECT_EQ(ChooseRotation(0x10, random), RotationNone);
    EXPECT_EQ(ChooseZoomLevel(ZoomStartSmall, random), 0u);
    EXPECT_EQ(random.state, 0u);
}

}  // namespace
