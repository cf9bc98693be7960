// Parsing and checking gyrelace-render's options before anything is written.
#include "render/RenderOptions.h"

#include <algorithm>
#include <utility>

#include "anim/Resizing.h"

namespace {

constexpr OwnOption renderOptions[] = {
    {"size", true}, {"monitors", true}, {"figures", true}, {"out", true},     {"trace", true},
    {"ops", true},  {"svg", true},      {"animate", true}, {"fps", true},
};

bool ParseDecimal(const std::string& text, unsigned long long limit, unsigned long long& value)
{
    return ParseWholeNumber(text, limit, false, value);
}

bool ParseSize(const std::string& text, int& width, int& height)
{
    const auto cross = text.find_first_of("xX");
    if (cross == std::string::npos) return false;
    unsigned long long w, h;
    if (!ParseDecimal(text.substr(0, cross), largestSide, w) ||
        !ParseDecimal(text.substr(cross + 1), largestSide, h) || w == 0 || h == 0) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// One monitor: WxH+X+Y, or WxH-X-Y.
bool ParseMonitor(const std::string& text, MonitorArea& area)
{
    const auto place = text.find_first_of("+-");
    if (place == std::string::npos || !ParseSize(text.substr(0, place), area.width, area.height)) return false;
    const auto second = text.find_first_of("+-", place + 1);
    if (second == std::string::npos) return false;
    unsigned long long x, y;
    if (!ParseDecimal(text.substr(place + 1, second - place - 1), largestSide, x) ||
        !ParseDecimal(text.substr(second + 1), largestSide, y)) {
        return false;
    }
    area.left = text[place] == '-' ? -static_cast<int>(x) : static_cast<int>(x);
    area.top = text[second] == '-' ? -static_cast<int>(y) : static_cast<int>(y);
    return true;
}

// The monitors, moved so that their bounding box starts at 0,0, and its size.
bool ParseMonitors(const std::string& list, RenderOptions& options, std::string& error)
{
    options.monitors.clear();
    std::size_t start = 0;
    for (;;) {
        const auto comma = list.find(',', start);
        MonitorArea area;
        const std::string item = list.substr(start, comma - start);
        if (!ParseMonitor(item, area)) {
            error = "--monitors: '" + item + "' is not WxH+X+Y with each side 1..65535";
            return false;
        }
        options.monitors.push_back(area);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (options.monitors.size() > static_cast<std::size_t>(maxMonitors)) {
        error = "--monitors: at most " + std::to_string(maxMonitors) + " monitors";
        return false;
    }
    int left = options.monitors[0].left, top = options.monitors[0].top;
    int right = left + options.monitors[0].width, bottom = top + options.monitors[0].height;
    for (const MonitorArea& a : options.monitors) {
        left = std::min(left, a.left);
        top = std::min(top, a.top);
        right = std::max(right, a.left + a.width);
        bottom = std::max(bottom, a.top + a.height);
    }
    if (right - left > largestSide || bottom - top > largestSide) {
        error = "--monitors: the desktop is wider or taller than 65535";
        return false;
    }
    for (MonitorArea& a : options.monitors) {
        a.left -= left;
        a.top -= top;
    }
    options.width = right - left;
    options.height = bottom - top;
    return true;
}

bool EndsWith(const std::string& path, const char* ending)
{
    std::string tail = path.substr(path.size() - std::min(path.size(), std::char_traits<char>::length(ending)));
    for (char& c : tail) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return tail == ending;
}

// Something must be written (that two outputs do not name one file is seen
// when they are found). The exports say what they are by their names, and
// the pictures must fit their formats.
bool CheckOutputs(const RenderOptions& options, std::string& error)
{
    const bool any = !options.outPath.empty() || !options.tracePath.empty() || !options.opsPath.empty() ||
                     !options.svgPath.empty() || !options.animatePath.empty();
    const std::string size = std::to_string(options.width) + "x" + std::to_string(options.height);
    const long long pixels = static_cast<long long>(options.width) * options.height;
    if (!any) {
        error = "nothing to write: give --out, --trace, --ops, --svg or --animate";
    } else if (!options.svgPath.empty() && options.svgPath != "-" && !EndsWith(options.svgPath, ".svg")) {
        error = "--svg: '" + options.svgPath + "' does not end in .svg";
    } else if (!options.animatePath.empty() && options.animatePath != "-" && !EndsWith(options.animatePath, ".webp")) {
        error = "--animate: '" + options.animatePath + "' does not end in .webp";
    } else if ((!options.outPath.empty() || !options.animatePath.empty()) && pixels > largestCanvasPixels) {
        error = size + " is too large a picture for --out or --animate (at most " + std::to_string(largestCanvasPixels) +
                " pixels)";
    } else if (!options.animatePath.empty() && (options.width > maxWebpSide || options.height > maxWebpSide)) {
        error = "--animate: " + size + " is wider or taller than a WebP can be (" + std::to_string(maxWebpSide) + ")";
    }
    return error.empty();
}

// Options that only mean something beside another.
struct Given {
    bool size = false, fps = false;
};

// One of the renderer's own options, the scan standing on it.
bool TakeRenderOption(CommandLineScan& scan, RenderOptions& options, Given& given)
{
    const std::string& name = scan.Name();
    const std::string& value = scan.Value();
    unsigned long long number;
    std::string error;
    if (name == "size") {
        given.size = true;
        return ParseSize(value, options.width, options.height) || scan.Refuse("is not WxH with each side 1..65535");
    }
    if (name == "monitors") return ParseMonitors(value, options, error) || scan.Fail(error);
    if (name == "figures") {
        if (!ParseDecimal(value, maxFigures, number) || number == 0) {
            return scan.Refuse("is not a count of 1.." + std::to_string(maxFigures));
        }
        options.figures = static_cast<long>(number);
        return true;
    }
    if (name == "fps") {
        if (!ParseDecimal(value, maxFramesPerSecond, number) || number == 0) {
            return scan.Refuse("is not a frame rate of 1.." + std::to_string(maxFramesPerSecond));
        }
        options.framesPerSecond = static_cast<int>(number);
        given.fps = true;
        return true;
    }
    if (value.empty()) return scan.Fail("--" + name + " needs a file name");
    const std::pair<const char*, std::string*> outputs[] = {{"out", &options.outPath},     {"trace", &options.tracePath},
                                                            {"ops", &options.opsPath},     {"svg", &options.svgPath},
                                                            {"animate", &options.animatePath}};
    for (const auto& [output, path] : outputs) {
        if (name == output) *path = value;
    }
    return true;
}

}  // namespace

bool ParseRenderOptions(int argc, const char* const* argv, RenderOptions& options, std::string& error)
{
    Given given;
    CommandLineScan scan(argc, argv, renderOptions, options);
    while (scan.Next() && TakeRenderOption(scan, options, given)) {
    }
    error = scan.Error();
    if (!error.empty()) return false;
    if (options.help) return true;
    if (given.size && !options.monitors.empty()) {
        error = "--size and --monitors cannot both be given";
        return false;
    }
    if (given.fps && options.animatePath.empty()) {
        error = "--fps is the rate of --animate, which is not given";
        return false;
    }
    return CheckOutputs(options, error);
}

FigureRequest RequestOf(const RenderOptions& options)
{
    FigureRequest request;
    request.seed = options.seed;
    request.width = options.width;
    request.height = options.height;
    request.monitors = options.monitors;
    request.figures = options.figures;
    request.settings = options.settings;
    return request;
}

std::string RenderUsage()
{
    return "usage: gyrelace-render [--seed S] [--size WxH | --monitors WxH+X+Y,...] [--figures N]\n"
           "                       [--set NAME=VALUE | SETTING]... [--out FILE.png] [--trace FILE] [--ops FILE]\n"
           "                       [--svg FILE.svg] [--animate FILE.webp [--fps N]]\n" +
           UsageLine("--size WxH", "the window's client size, 1..65535 each (default 1024x768)") +
           UsageLine("--monitors LIST", "a desktop of up to 16 monitors, the primary first, each WxH+X+Y (X and Y "
                                        "may be negative): one picture of them all, and each trace and ops line "
                                        "led by the monitor's number") +
           UsageLine("--figures N", "how many whole figures to draw (default 1)") +
           UsageLine("--out FILE.png", "the picture just after the last figure's final point") +
           UsageLine("--trace FILE", "one CSV row per point drawn") +
           UsageLine("--ops FILE", "the drawing operations, one per line") +
           UsageLine("--svg FILE.svg", "the picture as SVG, each stamp, pixel and line an element of its own") +
           UsageLine("--animate FILE.webp", "the figures being traced at their pace, an animated lossless WebP") +
           UsageLine("--fps N", "the animation's frames a second, 1..100 (default 25)") +
           UsageLine("", "FILE may be - for standard output (for one output at most)") +
           CommandLineScan::SharedUsage();
}
