// The renderer's outputs: files (or standard output) fed by the figure
// loop, the picture written as PNG and as SVG, and the animation.
#include "render/RenderRun.h"

#include <cerrno>
#include <cstring>

#include "render/OutputFile.h"
#include "render/PngFile.h"
#include "render/RecordFigures.h"
#include "render/WebpAnimation.h"

namespace {

class FileOutputs final : public FigureSink {
public:
    explicit FileOutputs(std::string& error) : error_(error) {}

    // Every file is made before anything is drawn; 2 when one cannot be.
    bool Open(const RenderOptions& options)
    {
        const std::pair<const std::string*, OutputFile*> outputs[] = {
            {&options.opsPath, &ops_}, {&options.tracePath, &trace_},      {&options.outPath, &picture_},
            {&options.svgPath, &svg_}, {&options.animatePath, &animation_}};
        for (const auto& [path, file] : outputs) {
            if (!path->empty() && !file->Open(*path, error_)) return false;
        }
        wantOps = ops_.IsOpen();
        wantTrace = trace_.IsOpen();
        wantPicture = picture_.IsOpen();
        wantSvg = svg_.IsOpen();
        return true;
    }

    bool AnyFigureOutput() const { return wantOps || wantTrace || wantPicture || wantSvg; }
    OutputFile& Animation() { return animation_; }

    bool Ops(const std::string& text) override { return Write(ops_, text); }
    bool Trace(const std::string& text) override { return Write(trace_, text); }
    bool Picture(const RasterSurface& picture) override { return WritePng(picture_.Stream(), picture, error_); }
    bool Svg(const std::string& document) override { return Write(svg_, document); }

    bool Finish()
    {
        for (OutputFile* file : {&ops_, &trace_, &picture_, &svg_, &animation_}) {
            if (file->IsOpen() && !file->Finish(error_)) return false;
        }
        return true;
    }

private:
    // Each write checks the stream so that a full disk ends the run at once.
    bool Write(OutputFile& file, const std::string& text)
    {
        if (std::fwrite(text.data(), 1, text.size(), file.Stream()) == text.size()) return true;
        error_ = std::string("cannot write: ") + std::strerror(errno);
        return false;
    }

    std::string& error_;
    OutputFile ops_, trace_, picture_, svg_, animation_;
};

}  // namespace

int RunRender(const RenderOptions& options, std::string& error)
{
    FileOutputs outputs(error);
    if (!outputs.Open(options)) return 2;
    const FigureRequest request = RequestOf(options);
    if (outputs.AnyFigureOutput() && !RecordFigures(request, outputs)) return 1;
    if (outputs.Animation().IsOpen() &&
        !WriteWebpAnimation(request, options.framesPerSecond, outputs.Animation().Stream(), error)) {
        return 1;
    }
    return outputs.Finish() ? 0 : 1;
}
