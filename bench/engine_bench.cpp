// What the engine costs: one point on the recording surface for each shape
// with Connect Dots off and on, one figure start, and a whole 1920 x 1080
// figure rendered to PNG.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "anim/Animation.h"
#include "anim/RecordingSurface.h"
#include "render/RenderRun.h"

namespace {

std::unique_ptr<Animation> Started(std::uint32_t shape, int connectDots, std::uint32_t zoomOption)
{
    auto animation = std::make_unique<Animation>();
    SaverSettings settings;
    settings.objectShape = shape;
    settings.objectRotation = RotationAll;
    settings.zoomOption = zoomOption;
    settings.joinTheDots = connectDots;
    StartAnimation(*animation, settings, 2024);
    ResizeAnimation(*animation, 1920, 1080);
    return animation;
}

// One iteration draws points 1..360 of a figure; the figure start and the
// emptying of the log happen outside the timing. The tick counter reports
// the time of one point.
void BM_Tick(benchmark::State& state)
{
    const auto shape = static_cast<std::uint32_t>(state.range(0));
    auto animation = Started(shape, static_cast<int>(state.range(1)), 0);
    RecordingSurface surface;
    surface.log.reserve(1 << 20);
    for (auto _ : state) {
        state.PauseTiming();
        BeginNextFigure(*animation);
        DrawNextPoint(*animation, surface);
        surface.log.clear();
        state.ResumeTiming();
        while (!DrawNextPoint(*animation, surface).figureComplete) {
        }
    }
    state.counters["tick"] = benchmark::Counter(static_cast<double>(state.iterations()) * 360,
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A figure's boundary: the next pair, then point 0 with the curve, every
// choice and the zoom set-up.
void BM_FigureStart(benchmark::State& state)
{
    auto animation = Started(ShapeAll, 0, ZoomAll);
    RecordingSurface surface;
    for (auto _ : state) {
        BeginNextFigure(*animation);
        DrawNextPoint(*animation, surface);
        surface.log.clear();
    }
}

void BM_RenderPng1920x1080(benchmark::State& state)
{
    RenderOptions options;
    options.width = 1920;
    options.height = 1080;
    options.settings.objectShape = ShapeAll;
    options.settings.objectRotation = RotationAll;
    options.settings.zoomOption = ZoomAll;
    options.outPath = "gyrelace_bench.png";
    std::string error;
    for (auto _ : state) {
        options.seed = static_cast<std::uint32_t>(state.iterations());
        if (RunRender(options, error) != 0) state.SkipWithError(error.c_str());
    }
    std::remove(options.outPath.c_str());
}

void ShapesAndConnectDots(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"shape", "connect"});
    for (std::uint32_t shape = ShapeCircle; shape <= ShapeStar8; shape <<= 1) {
        for (int connect : {0, 1}) b->Args({shape, connect});
    }
}

}  // namespace

BENCHMARK(BM_Tick)->Apply(ShapesAndConnectDots);
BENCHMARK(BM_FigureStart);
BENCHMARK(BM_RenderPng1920x1080)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
