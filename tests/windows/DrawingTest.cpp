// What the saver draws over time: in single-pixel mode every pixel is
// predictable from the seed (the clock second at start), so the screen is
// compared with the engine's own figure exactly as it grows, stays and
// gives way to the next. Settings are written with reg add, as a user would.
#include <algorithm>
#include <ctime>
#include <map>

#include "tests/windows/Harness.h"
#include "tests/windows/Prediction.h"

namespace {

using PixelKey = std::pair<int, int>;

// The pixels of one figure as the engine draws them, last colour winning.
struct PredictedFigure {
    std::map<PixelKey, std::uint32_t> lastColour;
    std::map<PixelKey, std::vector<std::uint32_t>> everyColour;
};

// The first two figures the saver draws from this seed.
std::vector<PredictedFigure> Predict(const SaverSettings& settings, std::uint32_t seed)
{
    std::vector<PredictedFigure> figures;
    for (const auto& points : PredictPixelFigures(settings, seed, 2)) {
        PredictedFigure& figure = figures.emplace_back();
        for (const PredictedPoint& p : points) {
            figure.lastColour[{p.x, p.y}] = p.colour;
            figure.everyColour[{p.x, p.y}].push_back(p.colour);
        }
    }
    return figures;
}

bool ShowsWholeFigure(const ScreenPicture& picture, const PredictedFigure& figure)
{
    for (const auto& [pixel, colour] : figure.lastColour) {
        if (picture.At(pixel.first, pixel.second) != colour) return false;
    }
    return picture.LitPixels() == static_cast<int>(figure.lastColour.size());
}

// Every lit pixel is one that the figure draws, in one of its colours.
bool ShowsOnlyPartOf(const ScreenPicture& picture, const PredictedFigure& figure)
{
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t colour = picture.At(x, y);
            if (colour == 0) continue;
            const auto found = figure.everyColour.find({x, y});
            if (found == figure.everyColour.end()) return false;
            if (std::find(found->second.begin(), found->second.end(), colour) == found->second.end()) return false;
        }
    }
    return true;
}

class Drawing : public SaverTest {
protected:
    // Pixels only, 1000 points a second, the low colour floor, through reg add.
    void WritePixelSettings(int endDelay)
    {
        const std::string key = "add HKCU\\software\\wexmoor\\lumo_ss\\Settings /t REG_DWORD /f ";
        ASSERT_EQ(RunReg(key + "/v RadiusFactor /d 0"), 0u);
        ASSERT_EQ(RunReg(key + "/v ImagesPerSec /d 1000"), 0u);
        ASSERT_EQ(RunReg(key + "/v ColourOption /d 50"), 0u);
        ASSERT_EQ(RunReg(key + "/v EndDelay /d " + std::to_string(endDelay)), 0u);
        settings_.radiusFactor = 0.0;
        settings_.timerInterval = 1;
        settings_.colourOption = ColourLow;
        settings_.endDelay = endDelay;
    }

    // Starts the saver and finds which second seeded it by waiting for the
    // screen to show one candidate's whole first figure.
    HWND StartAndFindSeed(SaverRun& run)
    {
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        HWND window = StartFullScreen(run);
        const auto after = static_cast<std::uint32_t>(std::time(nullptr));
        std::map<std::uint32_t, std::vector<PredictedFigure>> candidates;
        for (std::uint32_t seed = before - 1; seed <= after + 1; ++seed) candidates[seed] = Predict(settings_, seed);
        const DWORD shown = GetTickCount();
        PumpUntil(
            [&] {
                const ScreenPicture picture = CaptureScreen();
                for (auto& [seed, figures] : candidates) {
                    if (ShowsWholeFigure(picture, figures[0])) {
                        figures_ = figures;
                        return true;
                    }
                }
                return false;
            },
            8000);
        figureMilliseconds_ = GetTickCount() - shown;
        return window;
    }

    SaverSettings settings_;
    std::vector<PredictedFigure> figures_;
    DWORD figureMilliseconds_ = 0;  // from the window's appearance to its whole first figure
};

TEST_F(Drawing, RegAddSettingsDrawExactlyTheEnginesFigureWhichStaysDuringTheDelay)
{
    WritePixelSettings(3);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartAndFindSeed(run);
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(figures_.empty()) << "the screen never showed the engine's first figure for any nearby seed";
    // 361 points at 1000 a second take 0.36 s; one point per 10 ms timer tick would take 3.6 s.
    EXPECT_LT(figureMilliseconds_, 2500u) << "the rate is honoured beyond the timer's resolution";

    PumpFor(1000);
    EXPECT_TRUE(ShowsWholeFigure(CaptureScreen(), figures_[0])) << "the finished figure stays during the delay";
    const DWORD pressed = GetTickCount();
    PressKey(window);
    EXPECT_EQ(run.WaitExit(3000), 0u);
    EXPECT_LT(GetTickCount() - pressed, 1000u) << "input during the delay closes at once";
}

TEST_F(Drawing, AfterTheDelayTheWindowIsErasedAndTheNextFigureBegins)
{
    WritePixelSettings(1);
    SaverRun run(SaverCommand("/s"));
    HWND window = StartAndFindSeed(run);
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(figures_.empty());
    EXPECT_TRUE(PumpUntil(
        [&] {
            const ScreenPicture picture = CaptureScreen();
            return picture.LitPixels() > 0 && !ShowsWholeFigure(picture, figures_[0]) &&
                   ShowsOnlyPartOf(picture, figures_[1]);
        },
        4000));
}

}  // namespace
