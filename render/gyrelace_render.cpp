// gyrelace-render: draws Gyrelace figures headless from a seed, as PNG and
// SVG pictures, an animated WebP, a per-point trace and a drawing-operation log.
#include <cstdio>
#include <ctime>
#include <string>

#include "render/RenderOptions.h"
#include "render/RenderRun.h"

int main(int argc, char** argv)
{
    RenderOptions options;
    std::string error;
    if (!ParseRenderOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "gyrelace-render: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(RenderUsage().c_str(), stdout);
        return 0;
    }
    if (!options.seedGiven) {
        options.seed = static_cast<std::uint32_t>(std::time(nullptr));
        std::fprintf(stderr, "gyrelace-render: seed %u\n", options.seed);
    }
    const int status = RunRender(options, error);
    if (status != 0) std::fprintf(stderr, "gyrelace-render: %s\n", error.c_str());
    return status;
}
