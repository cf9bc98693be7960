// The image behind the window, shared with the server or sent by value.
#include "x11/Blitter.h"

#include <X11/Xutil.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <bit>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "x11/XErrors.h"

namespace {

// The shift that puts an 8-bit channel's top bit on the mask's top bit
// (negative: shift right).
int TopBitShift(unsigned long mask)
{
    if (mask == 0) return 0;
    return (static_cast<int>(sizeof(unsigned long)) * 8 - 1 - std::countl_zero(mask)) - 7;
}

unsigned long Place(std::uint8_t value, int shift, unsigned long mask)
{
    const unsigned long v = value;
    return (shift >= 0 ? v << shift : v >> -shift) & mask;
}

// Holds back the signals that end a display mode (xscreensaver's SIGTERM, a
// terminal's SIGINT and SIGHUP) while it lives; a signal that came meanwhile
// takes its default action when it ends.
class EndingSignalsHeld {
public:
    EndingSignalsHeld()
    {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&ending, signal);
        sigprocmask(SIG_BLOCK, &ending, &before_);
    }
    ~EndingSignalsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t before_;
};

}  // namespace

std::unique_ptr<Blitter> Blitter::Create(Display* display, Window window, const XWindowAttributes& attributes,
                                         int width, int height, std::string& error)
{
    Visual* visual = attributes.visual;
    if (visual->c_class != TrueColor && visual->c_class != DirectColor) {
        error = "the window's visual is not TrueColor";
        return nullptr;
    }
    std::unique_ptr<Blitter> blitter(new Blitter(display, window));
    blitter->masks_[0] = visual->red_mask;
    blitter->masks_[1] = visual->green_mask;
    blitter->masks_[2] = visual->blue_mask;
    for (int c = 0; c < 3; ++c) blitter->shifts_[c] = TopBitShift(blitter->masks_[c]);
    if (!blitter->CreateSharedImage(visual, attributes.depth, width, height) &&
        !blitter->CreatePlainImage(visual, attributes.depth, width, height)) {
        error = "cannot create an image of the window's size";
        return nullptr;
    }
    const bool hostLittleEndian = std::endian::native == std::endian::little;
    blitter->nativeOrder32_ = blitter->image_->bits_per_pixel == 32 &&
                              (blitter->image_->byte_order == LSBFirst) == hostLittleEndian;
    blitter->xrgb32_ = blitter->nativeOrder32_ && visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 &&
                       visual->blue_mask == 0xFF;
    blitter->gc_ = XCreateGC(display, window, 0, nullptr);
    return blitter;
}

// Shared memory only helps on the local machine: a remote server refuses
// the attach with BadAccess, and then the plain image serves.
bool Blitter::CreateSharedImage(Visual* visual, int depth, int width, int height)
{
    if (XShmQueryExtension(display_) == False) return false;
    image_ = XShmCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment_,
                             static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (image_ == nullptr) return false;
    const std::size_t bytes = static_cast<std::size_t>(image_->bytes_per_line) * static_cast<std::size_t>(height);
    bool attached = false;
    {
        // Once marked for removal the segment goes with the last detach,
        // whatever way the program ends; a signal that ended it before the
        // mark would leave the segment until reboot.
        const EndingSignalsHeld held;
        segment_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (segment_.shmid >= 0) {
            segment_.shmaddr = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
            if (segment_.shmaddr == reinterpret_cast<char*>(-1)) segment_.shmaddr = nullptr;
        }
        if (segment_.shmaddr != nullptr) {
            image_->data = segment_.shmaddr;
            segment_.readOnly = False;
            BeginErrorTrap(display_);
            attached = XShmAttach(display_, &segment_) != False;
            attached = EndErrorTrap(display_) == 0 && attached;
        }
        if (segment_.shmid >= 0) shmctl(segment_.shmid, IPC_RMID, nullptr);
    }
    if (!attached) {
        if (segment_.shmaddr != nullptr) shmdt(segment_.shmaddr);
        image_->data = nullptr;
        XDestroyImage(image_);
        image_ = nullptr;
        return false;
    }
    shared_ = true;
    return true;
}

bool Blitter::CreatePlainImage(Visual* visual, int depth, int width, int height)
{
    image_ = XCreateImage(display_, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                          static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (image_ == nullptr) return false;
    const std::size_t bytes = static_cast<std::size_t>(image_->bytes_per_line) * static_cast<std::size_t>(height);
    image_->data = static_cast<char*>(std::calloc(bytes, 1));  // XDestroyImage frees it
    return image_->data != nullptr;
}

Blitter::~Blitter()
{
    if (gc_ != nullptr) XFreeGC(display_, gc_);
    if (image_ == nullptr) return;
    if (shared_) {
        XShmDetach(display_, &segment_);
        image_->data = nullptr;
        shmdt(segment_.shmaddr);
    }
    XDestroyImage(image_);
}

void Blitter::Convert(const RasterSurface& raster, PixelRect rect)
{
    const std::uint8_t* rgb = raster.Pixels().data();
    const auto rasterRow = static_cast<std::size_t>(raster.Width()) * 3;
    for (int y = rect.top; y < rect.bottom; ++y) {
        const std::uint8_t* from = rgb + static_cast<std::size_t>(y) * rasterRow + static_cast<std::size_t>(rect.left) * 3;
        auto* row32 = reinterpret_cast<std::uint32_t*>(image_->data + static_cast<std::ptrdiff_t>(y) * image_->bytes_per_line);
        if (xrgb32_) {
            for (int x = rect.left; x < rect.right; ++x, from += 3) {
                row32[x] = std::uint32_t{from[0]} << 16 | std::uint32_t{from[1]} << 8 | from[2];
            }
            continue;
        }
        for (int x = rect.left; x < rect.right; ++x, from += 3) {
            const unsigned long pixel = Place(from[0], shifts_[0], masks_[0]) |
                                        Place(from[1], shifts_[1], masks_[1]) |
                                        Place(from[2], shifts_[2], masks_[2]);
            if (nativeOrder32_) {
                row32[x] = static_cast<std::uint32_t>(pixel);
            } else {
                XPutPixel(image_, x, y, pixel);
            }
        }
    }
}

void Blitter::Put(const RasterSurface& raster, PixelRect rect)
{
    rect.right = std::min(rect.right, image_->width);
    rect.bottom = std::min(rect.bottom, image_->height);
    if (rect.Empty()) return;
    Convert(raster, rect);
    const auto width = static_cast<unsigned>(rect.right - rect.left);
    const auto height = static_cast<unsigned>(rect.bottom - rect.top);
    if (shared_) {
        XShmPutImage(display_, window_, gc_, image_, rect.left, rect.top, rect.left, rect.top, width, height, False);
        // The server reads the shared pixels when it handles the request:
        // wait for that before the next tick writes them again.
        XSync(display_, False);
    } else {
        XPutImage(display_, window_, gc_, image_, rect.left, rect.top, rect.left, rect.top, width, height);
        XFlush(display_);
    }
}
