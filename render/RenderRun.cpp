// The renderer's three outputs: files (or standard output) fed by the
// figure loop, the picture written as PNG.
#include "render/RenderRun.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "render/PngFile.h"
#include "render/RecordFigures.h"

namespace {

struct CloseFile {
    void operator()(std::FILE* file) const
    {
        if (file != stdout) std::fclose(file);
    }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

class FileOutputs final : public FigureSink {
public:
    explicit FileOutputs(std::string& error) : error_(error) {}

    bool Open(const RenderOptions& options)
    {
        if (!OpenOne(options.opsPath, "ops", ops_) || !OpenOne(options.tracePath, "trace", trace_) ||
            !OpenOne(options.outPath, "picture", picture_)) {
            return false;
        }
        wantOps = ops_ != nullptr;
        wantTrace = trace_ != nullptr;
        wantPicture = picture_ != nullptr;
        return true;
    }

    bool Ops(const std::string& text) override { return Write(ops_.get(), text); }
    bool Trace(const std::string& text) override { return Write(trace_.get(), text); }
    bool Picture(const RasterSurface& picture) override { return WritePng(picture_.get(), picture, error_); }

    bool Finish()
    {
        for (File* file : {&ops_, &trace_, &picture_}) {
            if (*file == nullptr) continue;
            const bool flushed = std::fflush(file->get()) == 0 && !std::ferror(file->get());
            const bool closed = file->get() == stdout || std::fclose(file->release()) == 0;
            file->reset();
            if (!flushed || !closed) {
                error_ = std::string("cannot write an output: ") + std::strerror(errno);
                return false;
            }
        }
        return true;
    }

private:
    bool OpenOne(const std::string& path, const char* what, File& file)
    {
        if (path.empty()) return true;
        file.reset(path == "-" ? stdout : std::fopen(path.c_str(), "wb"));
        if (file == nullptr) {
            error_ = std::string("cannot open the ") + what + " file '" + path + "': " + std::strerror(errno);
            return false;
        }
        return true;
    }

    // Each write checks the stream so that a full disk ends the run at once.
    bool Write(std::FILE* file, const std::string& text)
    {
        if (std::fwrite(text.data(), 1, text.size(), file) == text.size()) return true;
        error_ = std::string("cannot write: ") + std::strerror(errno);
        return false;
    }

    std::string& error_;
    File ops_, trace_, picture_;
};

}  // namespace

int RunRender(const RenderOptions& options, std::string& error)
{
    FileOutputs outputs(error);
    if (!outputs.Open(options)) return 1;
    if (!RecordFigures(RequestOf(options), outputs)) return 1;
    return outputs.Finish() ? 0 : 1;
}
