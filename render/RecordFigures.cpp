// Drawing a request's figures into a sink's outputs.
#include "render/RecordFigures.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "anim/Animation.h"
#include "anim/DesktopLayout.h"
#include "anim/RecordingSurface.h"
#include "render/SvgSurface.h"

namespace {

constexpr const char* plainHeader =
    "figure,point,curve_x,curve_y,mirror_x,mirror_y,shape,rotation,zoom_level,x,y,radius,colour\n";
constexpr const char* monitorHeader =
    "monitor,figure,point,curve_x,curve_y,mirror_x,mirror_y,shape,rotation,zoom_level,x,y,radius,colour\n";
constexpr std::size_t flushSize = 1 << 16;

// The trace's CSV header; with several monitors every row starts with the
// monitor's place in the drawing order (0: the primary).
const char* TraceHeader(bool monitors) { return monitors ? monitorHeader : plainHeader; }

// Passes each operation on to the log, the picture and the vector picture,
// whichever are wanted.
class FanOut final : public DrawingSurface {
public:
    FanOut(DrawingSurface* log, DrawingSurface* picture, DrawingSurface* vector) : targets_{log, picture, vector} {}

    void SelectPen(std::uint32_t colour) override { Each([&](DrawingSurface& s) { s.SelectPen(colour); }); }
    void MoveTo(int x, int y) override { Each([&](DrawingSurface& s) { s.MoveTo(x, y); }); }
    void LineTo(int x, int y) override { Each([&](DrawingSurface& s) { s.LineTo(x, y); }); }
    void SetPixel(int x, int y, std::uint32_t c) override { Each([&](DrawingSurface& s) { s.SetPixel(x, y, c); }); }
    void Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override
    {
        Each([&](DrawingSurface& s) { s.Arc(l, t, r, b, xs, ys, xe, ye); });
    }
    void Erase() override { Each([&](DrawingSurface& s) { s.Erase(); }); }
    void ClipTo(int l, int t, int r, int b) override { Each([&](DrawingSurface& s) { s.ClipTo(l, t, r, b); }); }
    void Unclip() override { Each([&](DrawingSurface& s) { s.Unclip(); }); }

private:
    template <typename Operation>
    void Each(Operation operation)
    {
        for (DrawingSurface* target : targets_) {
            if (target != nullptr) operation(*target);
        }
    }

    DrawingSurface* targets_[3];
};

void AppendTraceRow(std::string& trace, int monitor, long figureNumber, const FigureState& figure,
                    const PointDrawn& drawn)
{
    char row[220];
    int length = 0;
    if (monitor >= 0) length = std::snprintf(row, sizeof row, "%d,", monitor);
    length += std::snprintf(row + length, sizeof row - static_cast<std::size_t>(length),
                            "%ld,%d,%d,%d,%d,%d,%u,%u,%u,%d,%d,%d,%u\n", figureNumber, drawn.point, figure.curveTypeX,
                            figure.curveTypeY, figure.mirrorX, figure.mirrorY, figure.shape, figure.rotation,
                            figure.zoomLevel, drawn.x, drawn.y, drawn.radius, drawn.colour);
    trace.append(row, static_cast<std::size_t>(length));
}

class Recorder {
public:
    Recorder(const FigureRequest& request, FigureSink& sink) : request_(request), sink_(sink)
    {
        const bool several = !request.monitors.empty();
        desktop_ = DesktopOf(request);
        prefixed_ = several;
        if (sink.wantOps) log_.emplace();
        if (sink.wantPicture) picture_.emplace(request.width, request.height);
        if (sink.wantSvg) {
            std::vector<MonitorArea> ordered;  // in the drawing order
            for (int m = 0; several && m < desktop_->count; ++m) ordered.push_back(desktop_->monitors[m].area);
            svg_.emplace(request.width, request.height, ordered);
        }
        if (sink.wantTrace) trace_ = TraceHeader(several);
    }

    bool Run()
    {
        for (long figure = 0; figure < request_.figures; ++figure) {
            if (!DrawFigure(figure)) return false;
            if (figure + 1 == request_.figures) {
                // Taken now: the last erase is for the log alone.
                if (picture_ && !sink_.Picture(*picture_)) return false;
                if (svg_ && !sink_.Svg(svg_->Document())) return false;
                picture_.reset();
                svg_.reset();
            }
            for (int m = 0; m < desktop_->count; ++m) {
                BeginNextFigure(desktop_->monitors[m].animation);
                Surface(m, [](DrawingSurface& s) { s.Erase(); });
            }
        }
        return Flush(true);
    }

private:
    // Runs operation on monitor m's surface: its log lines and its part of the picture.
    template <typename Operation>
    void Surface(int m, Operation operation)
    {
        MonitorAnimation& monitor = desktop_->monitors[m];
        if (log_ && prefixed_) log_->prefix = std::to_string(m) + " ";
        std::optional<OffsetSurface> part;
        if (picture_) part.emplace(*picture_, monitor.area, monitor.pen);
        if (svg_) svg_->Monitor(m);
        FanOut all(log_ ? &*log_ : nullptr, part ? &*part : nullptr, svg_ ? &*svg_ : nullptr);
        operation(all);
    }

    // Every monitor draws its next point in turn until all are complete.
    bool DrawFigure(long figure)
    {
        for (bool drawing = true; drawing;) {
            drawing = false;
            for (int m = 0; m < desktop_->count; ++m) {
                Animation& animation = desktop_->monitors[m].animation;
                if (FigureComplete(animation.figure)) continue;
                PointDrawn drawn;
                Surface(m, [&](DrawingSurface& s) { drawn = DrawNextPoint(animation, s); });
                if (sink_.wantTrace) AppendTraceRow(trace_, prefixed_ ? m : -1, figure, animation.figure, drawn);
                drawing = drawing || !drawn.figureComplete;
            }
            if (!Flush(false)) return false;
        }
        return true;
    }

    bool Flush(bool always)
    {
        if (log_ && (always || log_->log.size() >= flushSize)) {
            if (!sink_.Ops(log_->log)) return false;
            log_->log.clear();
        }
        if (sink_.wantTrace && (always || trace_.size() >= flushSize)) {
            if (!sink_.Trace(trace_)) return false;
            trace_.clear();
        }
        return true;
    }

    const FigureRequest& request_;
    FigureSink& sink_;
    std::unique_ptr<Desktop> desktop_;
    bool prefixed_ = false;
    std::optional<RecordingSurface> log_;
    std::optional<RasterSurface> picture_;
    std::optional<SvgSurface> svg_;
    std::string trace_;
};

}  // namespace

std::unique_ptr<Desktop> DesktopOf(const FigureRequest& request)
{
    std::vector<MonitorArea> areas = request.monitors;
    if (areas.empty()) areas.push_back({0, 0, request.width, request.height});
    auto desktop = std::make_unique<Desktop>();
    LayOutDesktop(*desktop, areas.data(), static_cast<int>(areas.size()), 0, request.settings, request.seed);
    return desktop;
}

bool RecordFigures(const FigureRequest& request, FigureSink& sink) { return Recorder(request, sink).Run(); }
