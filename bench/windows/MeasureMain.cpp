// Measures how many points per second Gyrelace.scr draws under Wine. The
// saver runs full screen in single-pixel mode, so every screen capture can
// be matched with the engine's own figure for the seeding second, telling
// exactly how many points are drawn; the rate is the slope of points drawn
// against time over the figure.
//   saver_wine_measure.exe RATE [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "anim/Animation.h"
#include "tests/windows/Harness.h"

namespace {

struct PredictedPoint {
    int x;
    int y;
    std::uint32_t colour;
};

class PixelRecorder final : public DrawingSurface {
public:
    explicit PixelRecorder(std::vector<PredictedPoint>& points) : points_(points) {}
    void SelectPen(std::uint32_t) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SetPixel(int x, int y, std::uint32_t colour) override { points_.push_back({x, y, colour}); }
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Erase() override {}
    void ClipTo(int, int, int, int) override {}
    void Unclip() override {}

private:
    std::vector<PredictedPoint>& points_;
};

// The first figure's points in single-pixel mode, in drawing order.
std::vector<PredictedPoint> PredictPixelFigure(const SaverSettings& settings, std::uint32_t seed)
{
    auto animation = std::make_unique<Animation>();
    StartAnimation(*animation, settings, seed);
    ResizeAnimation(*animation, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::vector<PredictedPoint> points;
    PixelRecorder recorder(points);
    while (!DrawNextPoint(*animation, recorder).figureComplete) {
    }
    return points;
}

// The first figure from this seed, and how many distinct pixels its first k points light.
struct Figure {
    std::vector<int> distinctAfter;
    std::map<std::pair<int, int>, std::set<std::uint32_t>> colours;
};

Figure Predict(const SaverSettings& settings, std::uint32_t seed)
{
    Figure figure;
    std::set<std::pair<int, int>> seen;
    figure.distinctAfter.push_back(0);
    for (const PredictedPoint& p : PredictPixelFigure(settings, seed)) {
        seen.insert({p.x, p.y});
        figure.colours[{p.x, p.y}].insert(p.colour);
        figure.distinctAfter.push_back(static_cast<int>(seen.size()));
    }
    return figure;
}

// How many points of the figure the screen shows, or -1 when it shows
// something the figure never draws.
int PointsShown(const ScreenPicture& picture, const Figure& figure)
{
    int lit = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t colour = picture.At(x, y);
            if (colour == 0) continue;
            const auto found = figure.colours.find({x, y});
            if (found == figure.colours.end() || found->second.count(colour) == 0) return -1;
            ++lit;
        }
    }
    const auto k = std::lower_bound(figure.distinctAfter.begin(), figure.distinctAfter.end(), lit);
    return static_cast<int>(k - figure.distinctAfter.begin());
}

// One saver run: points per second over its first figure, or 0 on failure.
double MeasureOnce(const SaverSettings& settings)
{
    CloseLeftoverSavers();
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    SaverRun run(SaverCommand("/s"));
    HWND window = WaitForSaverWindow("Screen Saver");
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));
    if (window == nullptr) return 0;
    std::vector<Figure> candidates;
    for (std::uint32_t seed = before - 1; seed <= after + 1; ++seed) candidates.push_back(Predict(settings, seed));

    std::vector<std::pair<double, double>> samples;  // (seconds, points)
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    const Figure* figure = nullptr;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 30000) {
        const ScreenPicture picture = CaptureScreen();
        QueryPerformanceCounter(&now);
        const double seconds = static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
        int shown = -1;
        for (const Figure& candidate : candidates) {
            if (figure != nullptr && &candidate != figure) continue;
            shown = PointsShown(picture, candidate);
            if (shown > 0) {  // a black screen fits every candidate
                figure = &candidate;
                break;
            }
        }
        // Two points of a figure may share a pixel: the figure is complete
        // once every pixel it lights is lit.
        if (figure != nullptr && picture.LitPixels() == figure->distinctAfter.back()) break;
        if (shown > 0) samples.emplace_back(seconds, shown);
        Sleep(5);
    }
    PressKeyTo(window);
    run.WaitExit(5000);
    if (samples.size() < 3) return 0;

    // Least-squares slope of points against time.
    double meanT = 0, meanP = 0;
    for (auto [t, p] : samples) {
        meanT += t;
        meanP += p;
    }
    meanT /= static_cast<double>(samples.size());
    meanP /= static_cast<double>(samples.size());
    double covariance = 0, variance = 0;
    for (auto [t, p] : samples) {
        covariance += (t - meanT) * (p - meanP);
        variance += (t - meanT) * (t - meanT);
    }
    return variance > 0 ? covariance / variance : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: saver_wine_measure RATE [RUNS]\n");
        return 2;
    }
    const auto rate = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    ResetSaverRegistry();
    SetSetting("RadiusFactor", 0);
    SetSetting("ImagesPerSec", rate);
    SetSetting("EndDelay", 60);
    SaverSettings settings;
    settings.radiusFactor = 0;
    settings.timerInterval = 1000 / rate;
    settings.endDelay = 60;

    std::vector<double> rates;
    for (int i = 0; i < runs; ++i) {
        const double achieved = MeasureOnce(settings);
        std::printf("run %d: %.1f points per second\n", i + 1, achieved);
        if (achieved > 0) rates.push_back(achieved);
    }
    ResetSaverRegistry();
    if (rates.empty()) return 1;
    std::sort(rates.begin(), rates.end());
    const double median = rates[rates.size() / 2];
    std::printf("requested %lu, achieved %.1f points per second (median of %zu), %.1f %%\n", rate, median,
                rates.size(), 100.0 * median / (1000.0 / static_cast<double>(1000 / rate)));
    return 0;
}
