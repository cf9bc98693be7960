// Shared memory from a memfd, its two buffers and the copies that keep them
// in step.
#include "wayland/ShmBuffers.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

void OnRelease(void* data, wl_buffer*) { *static_cast<bool*>(data) = false; }

constexpr wl_buffer_listener releaseListener = {.release = OnRelease};

}  // namespace

std::unique_ptr<ShmBuffers> ShmBuffers::Create(wl_shm* shm, int width, int height, std::string& error)
{
    std::unique_ptr<ShmBuffers> buffers(new ShmBuffers(width, height));
    if (!buffers->Map(shm, error)) return nullptr;
    buffers->raster_ = std::make_unique<RasterSurface>(width, height, buffers->buffers_[0].pixels, buffers->stride_,
                                                       xrgbFormat);
    return buffers;
}

// A pool's size is a signed 32-bit number. The memory is reserved at once,
// so that running out of it is an error here rather than a fault on a later
// write; a fresh memfd reads as zeros, which are black pixels.
bool ShmBuffers::Map(wl_shm* shm, std::string& error)
{
    const std::string size = std::to_string(width_) + "x" + std::to_string(height_);
    const std::size_t one = stride_ * static_cast<std::size_t>(height_);
    if (one > std::numeric_limits<std::int32_t>::max() / 2) {
        error = "two buffers of " + size + " pixels are over the largest shared memory pool";
        return false;
    }
    size_ = 2 * one;
    const int fd = memfd_create("gyrelace", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    int failed = fd < 0 ? errno : posix_fallocate(fd, 0, static_cast<off_t>(size_));
    if (failed == 0) {
        fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_SEAL);  // the compositor may rely on the size
        memory_ = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (memory_ == MAP_FAILED) {
            failed = errno;
            memory_ = nullptr;
        }
    }
    if (failed == 0) MakeBuffers(shm, fd, one);
    if (fd >= 0) close(fd);  // the pool's request took a copy of the descriptor
    if (failed != 0) error = "no memory for two buffers of " + size + " pixels: " + std::strerror(failed);
    return failed == 0;
}

void ShmBuffers::MakeBuffers(wl_shm* shm, int fd, std::size_t one)
{
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size_));
    for (int i = 0; i < 2; ++i) {
        Buffer& buffer = buffers_[i];
        const std::size_t offset = static_cast<std::size_t>(i) * one;
        buffer.pixels = static_cast<unsigned char*>(memory_) + offset;
        buffer.buffer = wl_shm_pool_create_buffer(pool, static_cast<std::int32_t>(offset), width_, height_,
                                                  static_cast<std::int32_t>(stride_), WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(buffer.buffer, &releaseListener, &buffer.held);
    }
    wl_shm_pool_destroy(pool);  // the buffers keep it alive
}

ShmBuffers::~ShmBuffers()
{
    for (Buffer& buffer : buffers_) {
        if (buffer.buffer != nullptr) wl_buffer_destroy(buffer.buffer);
    }
    raster_.reset();
    if (memory_ != nullptr) munmap(memory_, size_);
}

bool ShmBuffers::TakeFree()
{
    for (const int i : {drawn_, 1 - drawn_}) {
        if (buffers_[i].held) continue;
        BringUpToDate(buffers_[i], buffers_[drawn_]);
        drawn_ = i;
        raster_->PaintInto(buffers_[i].pixels);
        return true;
    }
    return false;
}

void ShmBuffers::BringUpToDate(Buffer& buffer, const Buffer& newest)
{
    const PixelRect rect = buffer.stale;
    buffer.stale = {};
    if (rect.Empty()) return;
    const std::size_t offset = static_cast<std::size_t>(rect.left) * 4;
    const std::size_t bytes = static_cast<std::size_t>(rect.right - rect.left) * 4;
    for (int y = rect.top; y < rect.bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * stride_ + offset;
        std::memcpy(buffer.pixels + row, newest.pixels + row, bytes);
    }
}

wl_buffer* ShmBuffers::Show(PixelRect damage)
{
    Buffer& shown = buffers_[drawn_];
    Buffer& other = buffers_[1 - drawn_];
    shown.held = true;
    other.stale = Union(other.stale, damage);
    return shown.buffer;
}
