// The renderer's picture is the screen, in every mode: the saver runs full
// screen with one row's settings, and while its first figure is shown for
// the completion delay the capture must equal, pixel for pixel, the figure
// the raster surface draws at the screen's size for one of the seconds that
// may have seeded it.
#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <string>

#include "anim/AnimationDriver.h"
#include "anim/RasterSurface.h"
#include "settings/SettingsStore.h"
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

// The row's values as the saver reads them from the registry.
class RowStore final : public SettingsStore {
public:
    explicit RowStore(const std::map<std::string, std::uint32_t>& values) : values_(values) {}
    StoreRead ReadValue(const char* name, std::uint32_t& value) override
    {
        const auto found = values_.find(name);
        if (found == values_.end()) return StoreRead::ValueMissing;
        value = found->second;
        return StoreRead::Found;
    }
    void WriteValue(const char*, std::uint32_t) override {}

private:
    const std::map<std::string, std::uint32_t>& values_;
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
    int differing = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) differing += a[i] != b[i] ? 1 : 0;
    return differing;
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
        for (const auto& [name, value] : values) SetSetting(name.c_str(), value);
        SaverSettings settings;
        RowStore store(values);
        LoadSettings(settings, store);

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
