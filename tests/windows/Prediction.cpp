// Running the renderer's loop headless on this desktop's monitors to
// predict the saver's screen.
#include "tests/windows/Prediction.h"

#include <windows.h>

#include <ctime>

#include "render/RecordFigures.h"
#include "settings/StoredValues.h"
#include "windows/Monitors.h"

namespace {

class PictureSink final : public FigureSink {
public:
    PictureSink() { wantPicture = true; }
    bool Ops(const std::string&) override { return true; }
    bool Trace(const std::string&) override { return true; }
    bool Picture(const RasterSurface& raster) override
    {
        picture = {raster.Width(), raster.Height(), {}};
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(raster.PixelAt(x, y));
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
    FigureRequest request{.seed = seed, .width = GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          .height = GetSystemMetrics(SM_CYVIRTUALSCREEN), .monitors = {areas[primary]},
                          .figures = figures, .settings = settings};
    for (int i = 0; i < count; ++i) {
        if (i != primary) request.monitors.push_back(areas[i]);
    }
    PictureSink sink;
    RecordFigures(request, sink);
    return sink.picture;
}

SaverSettings StoreSettings(const std::map<std::string, std::uint32_t>& values)
{
    SaverSettings settings;
    for (const auto& [name, stored] : values) {
        SetSetting(name.c_str(), stored);
        StoredValue field;
        EXPECT_TRUE(FindStoredValue(name.c_str(), field)) << name;
        ApplyStoredValue(settings, field, stored);
    }
    return settings;
}

HWND StartAndSeeFirstFigure(std::unique_ptr<FullScreenRun>& run, const SaverSettings& settings, std::uint32_t& seed)
{
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    run = std::make_unique<FullScreenRun>();
    std::map<std::uint32_t, ScreenPicture> candidates;
    for (std::uint32_t s = before - 1; s != static_cast<std::uint32_t>(std::time(nullptr)) + 2; ++s) {
        candidates[s] = PredictPicture(settings, s, 1);
    }
    ScreenPicture shown;
    const auto seen = [&] {
        shown = CaptureScreen();
        for (const auto& [candidate, picture] : candidates) {
            if (shown == picture) return seed = candidate, true;
        }
        return false;
    };
    if (run->window != nullptr && PumpUntil(seen, StartLimitMs())) return run->window;
    ADD_FAILURE() << "the screen (" << shown.width << "x" << shown.height << ", " << shown.LitPixels()
                  << " pixels lit) never showed the first figure of any nearby seed";
    return run->window;
}
