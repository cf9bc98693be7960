// What the display mode's screen costs on the display in $DISPLAY: one
// tick's blit at 50 points a second (the rectangle one point changed, with
// default settings, through MIT-SHM, the raster painting the image) and a
// whole-window repaint, on the root window. Run on a 1920 x 1080 Xvfb by
// bench/x11-measure.sh.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "anim/Animation.h"
#include "anim/DamageSurface.h"
#include "x11/Blitter.h"

namespace {

struct Screen {
    Display* display = XOpenDisplay(nullptr);
    XWindowAttributes attributes{};
    std::unique_ptr<Blitter> blitter;

    Screen()
    {
        if (display == nullptr) return;
        XGetWindowAttributes(display, DefaultRootWindow(display), &attributes);
        std::string error;
        blitter = Blitter::Create(display, DefaultRootWindow(display), attributes, attributes.width, attributes.height,
                                  error);
    }
};

Screen& TheScreen()
{
    static Screen screen;
    return screen;
}

// Each iteration draws the next point (untimed, once the server has read
// the last blit) and blits what it changed: the raster paints the shared
// image, so the blit is the request alone.
void BM_TickBlit(benchmark::State& state)
{
    Screen& screen = TheScreen();
    if (!screen.blitter) return state.SkipWithError("no X display with a TrueColor root window");
    const auto raster = screen.blitter->MakeRaster();
    DamageSurface surface(*raster);
    auto animation = std::make_unique<Animation>();
    StartAnimation(*animation, SaverSettings{}, 2024);
    ResizeAnimation(*animation, raster->Width(), raster->Height());
    long long pixels = 0;
    for (auto _ : state) {
        state.PauseTiming();
        screen.blitter->WaitUntilRead();  // as the display mode does before it draws
        if (DrawNextPoint(*animation, surface).figureComplete) BeginNextFigure(*animation);
        const PixelRect rect = surface.TakeDamage();
        pixels += static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
        state.ResumeTiming();
        screen.blitter->Put(*raster, rect);
    }
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kAvgIterations);
    state.counters["shm"] = screen.blitter->SharedMemory() ? 1 : 0;
    state.counters["direct"] = screen.blitter->PaintsTheImage() ? 1 : 0;
}
BENCHMARK(BM_TickBlit)->Unit(benchmark::kMicrosecond);

// An Expose of the whole window, or the first picture after a resize.
void BM_WholeWindowBlit(benchmark::State& state)
{
    Screen& screen = TheScreen();
    if (!screen.blitter) return state.SkipWithError("no X display with a TrueColor root window");
    const auto raster = screen.blitter->MakeRaster();
    for (auto _ : state) {
        screen.blitter->Put(*raster, PixelRect{0, 0, raster->Width(), raster->Height()});
        screen.blitter->WaitUntilRead();
    }
}
BENCHMARK(BM_WholeWindowBlit)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
