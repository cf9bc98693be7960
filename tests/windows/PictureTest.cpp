// The renderer's picture is the screen, in every mode: the saver runs full
// screen with one row's settings, and while its first figure is shown for
// the completion delay the capture must equal, pixel for pixel, the figure
// the raster surface draws at the screen's size for one of the seconds that
// may have seeded it.
#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <string>

#include "anim/AnimationDriver.h"
#include "anim/RasterSurface.h"
#include "settings/StoredValues.h"
#include "tests/windows/Harness.h"

namespace {

struct Mode {
    const char* name;
    std::map<std::string, std::uint32_t> values;  // beyond the defaults
};

const Mode modes[] = {
    {"circles (the defaults)", {}},
    {"circles, zooming", {{"ZoomOption", ZoomAll}}},
    {"eight shapes, turning", {{"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}}},
    {"eight shapes, turning and zooming",
     {{"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}, {"ZoomOption", ZoomAll}}},
    {"Connect Dots, single points", {{"RadiusFactor", 0}, {"JoinTheDots", 1}}},
    {"Connect Dots, stamps", {{"JoinTheDots", 1}, {"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}}},
    {"large circles across the edges", {{"RadiusFactor", 90}, {"ZoomOption", ZoomAll}}},
    {"large shapes across the edges",
     {{"RadiusFactor", 90}, {"ObjectShape", ShapeAll}, {"ObjectRotation", RotationAll}}},
};

// The first figure from this seed as COLORREFs, rows top to bottom.
std::vector<std::uint32_t> RenderFirstFigure(const SaverSettings& settings, std::uint32_t seed, int width, int height)
{
    auto animation = std::make_unique<Animation>();
    animation->settings = settings;
    StartAnimation(*animation, seed);
    ResizeAnimation(*animation, width, height);
    RasterSurface picture(width, height);
    while (!DrawNextPoint(*animation, picture).figureComplete) {
    }
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(picture.PixelAt(x, y));
    }
    return pixels;
}

int DifferingPixels(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    return std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(), std::not_equal_to<>());
}

class Pictures : public SaverTest {};

TEST_F(Pictures, TheScreenEqualsTheRenderersPictureInEveryMode)
{
    for (const Mode& mode : modes) {
        SCOPED_TRACE(mode.name);
        CloseLeftoverSavers();
        ResetSaverRegistry();
        // 1000 points a second finish a figure in 0.36 s; it then stays 5 s.
        std::map<std::string, std::uint32_t> values = mode.values;
        values.emplace("ImagesPerSec", 1000);
        values.emplace("EndDelay", 5);
        SaverSettings settings;
        for (const auto& [name, stored] : values) {
            SetSetting(name.c_str(), stored);
            StoredValue field;
            ASSERT_TRUE(FindStoredValue(name.c_str(), field)) << name;
            ApplyStoredValue(settings, field, stored);
        }

        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        SaverRun run(SaverCommand("/s"));
        ASSERT_NE(StartFullScreen(run), nullptr);
        const auto after = static_cast<std::uint32_t>(std::time(nullptr));
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        std::vector<std::vector<std::uint32_t>> candidates;
        for (std::uint32_t seed = before - 1; seed <= after + 1; ++seed) {
            candidates.push_back(RenderFirstFigure(settings, seed, width, height));
        }
        // The closest any capture came, for the message when none matches.
        int fewest = width * height, lit = 0;
        const bool matched = PumpUntil(
            [&] {
                const ScreenPicture screen = CaptureScreen();
                for (const auto& candidate : candidates) {
                    const int differing = DifferingPixels(screen.pixels, candidate);
                    if (differing < fewest) {
                        fewest = differing;
                        lit = screen.LitPixels();
                    }
                }
                return fewest == 0;
            },
            20000);
        EXPECT_TRUE(matched) << "at best " << fewest << " pixels differ from the picture of a nearby seed";
        EXPECT_GT(lit, 300) << "a whole figure is shown";
    }
}

}  // namespace
