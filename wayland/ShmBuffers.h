// The pictures of one layer surface: two wl_shm buffers in one memfd, drawn
// in turn, so that a buffer the compositor may still read is never written.
// The raster paints straight into the buffer being drawn. Each buffer notes
// what changed in the picture since it last held it and is brought up to
// date from the other before it is drawn in, so a tick copies at most the
// rectangle the tick before it changed.
#pragma once

#include <wayland-client.h>

#include <cstddef>
#include <memory>
#include <string>

#include "anim/PixelRect.h"
#include "anim/RasterSurface.h"

class ShmBuffers {
public:
    // Two black buffers of width x height XRGB8888 pixels; nullptr with a
    // one-line error when they cannot be made.
    static std::unique_ptr<ShmBuffers> Create(wl_shm* shm, int width, int height, std::string& error);
    ~ShmBuffers();
    ShmBuffers(const ShmBuffers&) = delete;
    ShmBuffers& operator=(const ShmBuffers&) = delete;

    // Points the raster at a buffer the compositor does not hold, holding
    // the newest picture; false while it holds both.
    bool TakeFree();
    bool HasFree() const { return !buffers_[0].held || !buffers_[1].held; }
    RasterSurface& Raster() { return *raster_; }
    // The buffer drawn in, to attach with this damage: held from now on until
    // the compositor releases it, and the damage noted for the other.
    wl_buffer* Show(PixelRect damage);

private:
    struct Buffer {
        wl_buffer* buffer = nullptr;
        unsigned char* pixels = nullptr;
        bool held = false;  // attached and not released since
        PixelRect stale;    // what changed in the picture since it last held it
    };

    ShmBuffers(int width, int height) : width_(width), height_(height), stride_(static_cast<std::size_t>(width) * 4) {}
    bool Map(wl_shm* shm, std::string& error);
    void MakeBuffers(wl_shm* shm, int fd, std::size_t one);
    void BringUpToDate(Buffer& buffer, const Buffer& newest);

    int width_, height_;
    std::size_t stride_;
    std::size_t size_ = 0;
    void* memory_ = nullptr;
    Buffer buffers_[2];
    int drawn_ = 0;  // the buffer that holds the newest picture, which the raster paints
    std::unique_ptr<RasterSurface> raster_;
};
