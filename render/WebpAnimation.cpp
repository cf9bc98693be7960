// Encoding the figures' frames, each the rectangle that changed, as the
// frames of an animated WebP with libwebp's muxer.
#include "render/WebpAnimation.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "anim/DamageSurface.h"

namespace {

constexpr std::uint32_t maxFrameDuration = (1u << 24) - 1;  // milliseconds

struct MuxDeleter {
    void operator()(WebPMux* mux) const { WebPMuxDelete(mux); }
};

// A frame waiting for its duration: its lossless bitstream and place.
struct PendingFrame {
    WebPMemoryWriter bitstream;
    int x = 0, y = 0;
    std::uint32_t start = 0;
    bool held = false;
    bool blend = false;
    PendingFrame() { WebPMemoryWriterInit(&bitstream); }
    ~PendingFrame() { WebPMemoryWriterClear(&bitstream); }
    PendingFrame(const PendingFrame&) = delete;
    PendingFrame& operator=(const PendingFrame&) = delete;
};

class WebpFrames {
public:
    WebpFrames(const FigureRequest& request, std::string& error)
        : request_(request), raster_(request.width, request.height), damage_(raster_), error_(error),
          mux_(WebPMuxNew()), desktop_(DesktopOf(request))
    {
        WebPConfigInit(&config_);
        config_.lossless = 1;
        config_.method = 2;  // these pictures of thin lines gain little from more effort, and it is fast
        config_.quality = 75;
    }

    bool Write(int framesPerSecond, std::FILE* file)
    {
        if (mux_ == nullptr || !WebPValidateConfig(&config_)) return Fail("libwebp could not start");
        // Frames are due every 1000 / framesPerSecond ms from the start, or
        // from the end of the last completion delay.
        std::uint32_t now = 0, since = 0, frames = 0;
        long begun = 0;
        bool waiting = false;
        for (;;) {
            const DesktopStep step = AdvanceDesktop(*desktop_, damage_, now);
            if (step.primaryBegun && ++begun == request_.figures) break;  // the last delay is over: it loops
            const PixelRect changed = damage_.TakeDamage();
            const bool delayBegins = step.waiting && !waiting;
            waiting = step.waiting;
            if (!changed.Empty() || shown_.empty()) {
                if (!(Push(now) && Encode(changed, now))) return false;
            } else if (delayBegins && !Push(now, true)) {  // a delay is a frame of its own, even one unchanged
                return false;
            }
            if (step.waiting) {
                now += step.wakeAfter;
                since = now, frames = 0;
            } else {
                ++frames;
                now = since + static_cast<std::uint32_t>(static_cast<unsigned long long>(frames) * 1000u /
                                                         static_cast<unsigned>(framesPerSecond));
            }
        }
        return Push(now) && Assemble(file);
    }

private:
    bool Fail(const std::string& error)
    {
        error_ = error;
        return false;
    }

    // The changed rectangle, its corner moved to even coordinates as a WebP
    // frame's must be, encoded losslessly. The first frame is the whole
    // picture, opaque, since players may ignore the background colour (and
    // a figure too small to be seen changes nothing). After it, a pixel that
    // is as it was is transparent and the frame is blended over the last:
    // such runs cost next to nothing.
    bool Encode(PixelRect rect, std::uint32_t now)
    {
        const bool first = shown_.empty();
        if (first) {
            rect = {0, 0, request_.width, request_.height};
            shown_.assign(static_cast<std::size_t>(request_.width) * static_cast<std::size_t>(request_.height), 0);
        }
        rect.left &= ~1, rect.top &= ~1;
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        rgba_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        // The raster's own pixels are red, green, blue and a spare byte in
        // memory: with that byte 0xFF they are opaque RGBA.
        const std::uint32_t opaque = rgbxFormat.redShift == 0 ? 0xFF000000u : 0xFFu;
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* now32 = raster_.Row(rect.top + y) + rect.left;
            std::uint32_t* was = &shown_[static_cast<std::size_t>(rect.top + y) * static_cast<std::size_t>(request_.width) +
                                         static_cast<std::size_t>(rect.left)];
            std::uint32_t* to = &rgba_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
            for (int x = 0; x < width; ++x) {
                to[x] = (now32[x] != was[x] || first) ? now32[x] | opaque : 0;
                was[x] = now32[x];
            }
        }
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        picture.width = width;
        picture.height = height;
        picture.writer = WebPMemoryWrite;
        picture.custom_ptr = &pending_.bitstream;
        const bool encoded = WebPPictureImportRGBA(&picture, reinterpret_cast<const std::uint8_t*>(rgba_.data()), width * 4) &&
                             WebPEncode(&config_, &picture);
        WebPPictureFree(&picture);
        if (!encoded) return Fail("libwebp could not encode a frame");
        pending_.x = rect.left, pending_.y = rect.top, pending_.start = now, pending_.held = true;
        pending_.blend = !first;
        return true;
    }

    // The frame waiting for its duration goes into the animation, lasting
    // until `now`; `again`: it waits once more from `now`. A frame can come
    // again, changing nothing, so one longer than a frame can last is split.
    bool Push(std::uint32_t now, bool again = false)
    {
        if (!pending_.held) return true;
        WebPMuxFrameInfo frame{};
        frame.bitstream = {pending_.bitstream.mem, pending_.bitstream.size};
        frame.x_offset = pending_.x;
        frame.y_offset = pending_.y;
        frame.id = WEBP_CHUNK_ANMF;
        frame.dispose_method = WEBP_MUX_DISPOSE_NONE;
        frame.blend_method = pending_.blend ? WEBP_MUX_BLEND : WEBP_MUX_NO_BLEND;
        bool pushed;
        std::uint32_t left = now - pending_.start;
        do {
            const std::uint32_t part = std::min(left, maxFrameDuration);
            frame.duration = static_cast<int>(part);
            pushed = WebPMuxPushFrame(mux_.get(), &frame, 1) == WEBP_MUX_OK;
            left -= part;
        } while (pushed && left > 0);
        pending_.start = now;
        if (!again) {
            WebPMemoryWriterClear(&pending_.bitstream);
            WebPMemoryWriterInit(&pending_.bitstream);
            pending_.held = false;
        }
        return pushed || Fail("libwebp could not add a frame");
    }

    bool Assemble(std::FILE* file)
    {
        const WebPMuxAnimParams looping{0xFF000000, 0};  // black, for ever
        WebPData data;
        WebPDataInit(&data);
        const bool assembled = WebPMuxSetCanvasSize(mux_.get(), request_.width, request_.height) == WEBP_MUX_OK &&
                               WebPMuxSetAnimationParams(mux_.get(), &looping) == WEBP_MUX_OK &&
                               WebPMuxAssemble(mux_.get(), &data) == WEBP_MUX_OK;
        const bool written = assembled && std::fwrite(data.bytes, 1, data.size, file) == data.size;
        WebPDataClear(&data);
        return written || Fail(assembled ? std::strerror(errno) : "libwebp could not assemble the animation");
    }

    const FigureRequest& request_;
    RasterSurface raster_;
    DamageSurface damage_;
    std::string& error_;
    std::unique_ptr<WebPMux, MuxDeleter> mux_;
    std::unique_ptr<Desktop> desktop_;
    WebPConfig config_;
    PendingFrame pending_;
    std::vector<std::uint32_t> shown_;  // the picture as the last frame left it
    std::vector<std::uint32_t> rgba_;   // a frame's pixels
};

}  // namespace

bool WriteWebpAnimation(const FigureRequest& request, int framesPerSecond, std::FILE* file, std::string& error)
{
    WebpFrames frames(request, error);
    return frames.Write(framesPerSecond, file);
}
