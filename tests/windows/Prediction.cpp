// Running the engine headless at the screen's size to predict the saver.
#include "tests/windows/Prediction.h"

#include <windows.h>

#include <memory>

#include "anim/AnimationDriver.h"

namespace {

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

}  // namespace

std::vector<std::vector<PredictedPoint>> PredictPixelFigures(const SaverSettings& settings, std::uint32_t seed,
                                                             int figures)
{
    auto animation = std::make_unique<Animation>();
    animation->settings = settings;
    StartAnimation(*animation, seed);
    ResizeAnimation(*animation, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::vector<std::vector<PredictedPoint>> result(static_cast<std::size_t>(figures));
    for (auto& figure : result) {
        PixelRecorder recorder(figure);
        while (!DrawNextPoint(*animation, recorder).figureComplete) {
        }
        BeginNextFigure(*animation);
    }
    return result;
}
