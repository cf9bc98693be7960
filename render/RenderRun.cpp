// The renderer's outputs: files (or standard output) fed by the figure
// loop, the picture written as PNG and as SVG, and the animation.
#include "render/RenderRun.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "render/OutputFile.h"
#include "render/PngFile.h"
#include "render/RecordFigures.h"
#include "render/WebpAnimation.h"

namespace {

class FileOutputs final : public FigureSink {
public:
    explicit FileOutputs(std::string& error) : error_(error) {}

    // Every output is found, and every file made, before anything is drawn;
    // false (2) when one cannot be, or two name one file.
    bool Open(const RenderOptions& options)
    {
        const std::pair<const std::string*, OutputFile*> outputs[] = {
            {&options.opsPath, &ops_}, {&options.tracePath, &trace_},      {&options.outPath, &picture_},
            {&options.svgPath, &svg_}, {&options.animatePath, &animation_}};
        std::vector<const OutputFile*> found;
        for (const auto& [path, file] : outputs) {
            if (path->empty()) continue;
            if (!file->Find(*path, error_)) return false;
            for (const OutputFile* before : found) {
                if (!file->SameAs(*before)) continue;
                error_ = file->IsStandardOutput() ? "only one output can go to standard output"
                                                  : "two outputs name the same file '" + *path + "'";
                return false;
            }
            found.push_back(file);
        }
        for (const auto& [path, file] : outputs) {
            if (!path->empty() && !file->Open(error_)) return false;
        }
        wantOps = ops_.IsOpen();
        wantTrace = trace_.IsOpen();
        wantPicture = picture_.IsOpen();
        wantSvg = svg_.IsOpen();
        return true;
    }

    bool AnyFigureOutput() const { return wantOps || wantTrace || wantPicture || wantSvg; }

    bool Animation(const FigureRequest& request, int framesPerSecond)
    {
        return !animation_.IsOpen() || WriteWebpAnimation(request, framesPerSecond, animation_.Stream(), error_) ||
               Failed(animation_);
    }

    bool Ops(const std::string& text) override { return Write(ops_, text); }
    bool Trace(const std::string& text) override { return Write(trace_, text); }
    bool Picture(const RasterSurface& picture) override
    {
        return WritePng(picture_.Stream(), picture, error_) || Failed(picture_);
    }
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
        error_ = std::strerror(errno);
        return Failed(file);
    }

    // The reason in error_ with the file it is about.
    bool Failed(const OutputFile& file)
    {
        error_ = file.Failure(error_);
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
    if (!outputs.Animation(request, options.framesPerSecond)) return 1;
    return outputs.Finish() ? 0 : 1;
}
