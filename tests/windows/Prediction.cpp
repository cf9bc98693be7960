// Running the renderer's loop headless on this desktop's monitors to
// predict the saver's screen.
#include "tests/windows/Prediction.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "windows/Monitors.h"
#include "render/RecordFigures.h"

namespace {

class PictureSink final : public FigureSink {
public:
    PictureSink() { wantPicture = true; }
    bool Ops(const std::string&) override { return true; }
    bool Trace(const std::string&) override { return true; }
    bool Picture(const RasterSurface& raster) override
    {
        picture.width = raster.Width();
        picture.height = raster.Height();
        picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = raster.PixelAt(x, y);
        }
        return true;
    }
    ScreenPicture picture;
};

}  // namespace

ScreenPicture PredictPicture(const SaverSettings& settings, std::uint32_t seed, long figures)
{
    MonitorArea areas[maxMonitors];
    int primary = 0;
    const int count = FindMonitors(areas, primary);
    FigureRequest request;
    request.seed = seed;
    request.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    request.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    request.monitors.push_back(areas[primary]);
    for (int i = 0; i < count; ++i) {
        if (i != primary) request.monitors.push_back(areas[i]);
    }
    request.figures = figures;
    request.settings = settings;
    PictureSink sink;
    RecordFigures(request, sink);
    return sink.picture;
}

bool WaitForPredictedPicture(const SaverSettings& settings, std::uint32_t before, std::uint32_t after, long figures,
                             std::uint32_t& seed)
{
    std::map<std::uint32_t, ScreenPicture> candidates;
    for (std::uint32_t s = before - 1; s != after + 2; ++s) candidates[s] = PredictPicture(settings, s, figures);
    ScreenPicture shown;
    const bool found = PumpUntil(
        [&] {
            shown = CaptureScreen();
            for (const auto& [candidate, picture] : candidates) {
                if (shown == picture) {
                    seed = candidate;
                    return true;
                }
            }
            return false;
        },
        StartLimitMs());
    if (!found) {
        // Say how near the nearest candidate came.
        for (const auto& [candidate, picture] : candidates) {
            int differing = 0, firstX = -1, firstY = -1;
            for (int y = 0; y < std::min(shown.height, picture.height); ++y) {
                for (int x = 0; x < std::min(shown.width, picture.width); ++x) {
                    if (shown.At(x, y) == picture.At(x, y)) continue;
                    if (differing++ == 0) firstX = x, firstY = y;
                }
            }
            std::printf("seed %u: %dx%d shown, %dx%d predicted, %d pixels differ, the first at %d,%d\n", candidate,
                        shown.width, shown.height, picture.width, picture.height, differing, firstX, firstY);
        }
    }
    return found;
}
