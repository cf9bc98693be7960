// The renderer's figure loop and its three outputs.
#include "tools/RenderRun.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "anim/AnimationDriver.h"
#include "anim/RasterSurface.h"
#include "anim/RecordingSurface.h"
#include "tools/PngFile.h"

const char* const traceHeader =
    "figure,point,curve_x,curve_y,mirror_x,mirror_y,shape,rotation,zoom_level,x,y,radius,colour\n";

namespace {

// Passes each operation on to the log and the picture, whichever are wanted.
class BothSurfaces final : public DrawingSurface {
public:
    BothSurfaces(RecordingSurface* log, RasterSurface* picture) : log_(log), picture_(picture) {}

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
        if (log_ != nullptr) operation(*log_);
        if (picture_ != nullptr) operation(*picture_);
    }

    RecordingSurface* log_;
    RasterSurface* picture_;
};

struct CloseFile {
    void operator()(std::FILE* file) const
    {
        if (file != stdout) std::fclose(file);
    }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

class Outputs {
public:
    bool Open(const RenderOptions& options, std::string& error)
    {
        return OpenOne(options.opsPath, "ops", ops, error) && OpenOne(options.tracePath, "trace", trace, error) &&
               OpenOne(options.outPath, "picture", picture, error);
    }

    // Each write checks the stream so that a full disk ends the run at once.
    bool Write(std::FILE* file, const std::string& text, std::string& error)
    {
        if (std::fwrite(text.data(), 1, text.size(), file) == text.size()) return true;
        error = std::string("cannot write: ") + std::strerror(errno);
        return false;
    }

    bool Finish(std::string& error)
    {
        for (File* file : {&ops, &trace, &picture}) {
            if (*file == nullptr) continue;
            const bool flushed = std::fflush(file->get()) == 0 && !std::ferror(file->get());
            const bool closed = file->get() == stdout || std::fclose(file->release()) == 0;
            file->reset();
            if (!flushed || !closed) {
                error = std::string("cannot write an output: ") + std::strerror(errno);
                return false;
            }
        }
        return true;
    }

    File ops, trace, picture;

private:
    static bool OpenOne(const std::string& path, const char* what, File& file, std::string& error)
    {
        if (path.empty()) return true;
        file.reset(path == "-" ? stdout : std::fopen(path.c_str(), "wb"));
        if (file == nullptr) {
            error = std::string("cannot open the ") + what + " file '" + path + "': " + std::strerror(errno);
            return false;
        }
        return true;
    }
};

void AppendTraceRow(std::string& trace, long figureNumber, const FigureState& figure, const PointDrawn& drawn)
{
    char row[200];
    const int length = std::snprintf(row, sizeof row, "%ld,%d,%d,%d,%d,%d,%u,%u,%u,%d,%d,%d,%u\n", figureNumber,
                                     drawn.point, figure.curveTypeX, figure.curveTypeY, figure.mirrorX, figure.mirrorY,
                                     figure.shape, figure.rotation, figure.zoomLevel, drawn.x, drawn.y, drawn.radius,
                                     drawn.colour);
    trace.append(row, static_cast<std::size_t>(length));
}

constexpr std::size_t flushSize = 1 << 16;

}  // namespace

int RunRender(const RenderOptions& options, std::string& error)
{
    Outputs outputs;
    if (!outputs.Open(options, error)) return 1;

    auto animation = std::make_unique<Animation>();
    animation->settings = options.settings;
    StartAnimation(*animation, options.seed);
    ResizeAnimation(*animation, options.width, options.height);

    std::optional<RecordingSurface> log;
    if (outputs.ops) log.emplace();
    std::optional<RasterSurface> picture;
    if (outputs.picture) picture.emplace(options.width, options.height);
    BothSurfaces surface(log ? &*log : nullptr, picture ? &*picture : nullptr);

    std::string trace;
    if (outputs.trace) trace = traceHeader;
    auto flush = [&](bool always) {
        if (log && (always || log->log.size() >= flushSize)) {
            if (!outputs.Write(outputs.ops.get(), log->log, error)) return false;
            log->log.clear();
        }
        if (outputs.trace && (always || trace.size() >= flushSize)) {
            if (!outputs.Write(outputs.trace.get(), trace, error)) return false;
            trace.clear();
        }
        return true;
    };

    for (long figureNumber = 0; figureNumber < options.figures; ++figureNumber) {
        PointDrawn drawn;
        do {
            drawn = DrawNextPoint(*animation, surface);
            if (outputs.trace) AppendTraceRow(trace, figureNumber, animation->figure, drawn);
            if (!flush(false)) return 1;
        } while (!drawn.figureComplete);

        if (picture && figureNumber + 1 == options.figures && !WritePng(outputs.picture.get(), *picture, error)) {
            return 1;
        }
        BeginNextFigure(*animation);
        surface.Erase();
    }
    if (!flush(true)) return 1;
    return outputs.Finish(error) ? 0 : 1;
}
