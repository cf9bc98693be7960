// The renderer's picture is the screen, in every mode: run with one row's
// settings, the saver's first figure must equal, pixel for pixel, the
// renderer's picture for one of the seconds that may have seeded it.
#include <map>
#include <memory>
#include <string>

#include "settings/StoredValues.h"
#include "tests/windows/Harness.h"
#include "tests/windows/Prediction.h"

namespace {

struct Mode {
    const char* name;
    std::map<std::string, std::uint32_t> values;  // beyond the defaults
};

const Mode modes[] = {
    {"circles (the defaults)", {}},
    {"circles, zooming", {{"ZoomOption", ZoomAll}}},
    {"eight shapes, turning and zooming", {{"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}, {"ZoomOption", ZoomAll}}},
    {"Connect Dots, single points", {{"RadiusFactor", 0}, {"JoinTheDots", 1}}},
    {"Connect Dots, stamps", {{"JoinTheDots", 1}, {"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}}},
    {"large circles across the edges", {{"RadiusFactor", 90}, {"ZoomOption", ZoomAll}}},
    {"large shapes across the edges", {{"RadiusFactor", 90}, {"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}}},
};

class Pictures : public SaverTest {};

TEST_F(Pictures, TheScreenEqualsTheRenderersPictureInEveryMode)
{
    for (const Mode& mode : modes) {
        SCOPED_TRACE(mode.name);
        ResetSaverRegistry();
        // 1000 points a second finish a figure in 0.36 s; it then stays 5 s.
        std::map<std::string, std::uint32_t> values = mode.values;
        values.emplace("ImagesPerSec", 1000);
        values.emplace("EndDelay", 5);
        std::unique_ptr<FullScreenRun> run;
        std::uint32_t seed = 0;
        EXPECT_NE(StartAndSeeFirstFigure(run, StoreSettings(values), seed), nullptr);
    }
}

}  // namespace
