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
#include <iterator>
#include <string>

#include "x11/XErrors.h"

namespace {

// Where an 8-bit channel value lands in a pixel under the channel's mask:
// cut to the mask's width, or widened by repeating its bits so that 255
// fills the mask (a 10-bit channel shows 255 as 1023, not 1020).
unsigned long Place(unsigned value, unsigned long mask)
{
    if (mask == 0) return 0;
    const int width = std::min(std::popcount(mask), 16);
    return (((value * 0x101u) >> (16 - width)) << std::countr_zero(mask)) & mask;
}

const char* const visualClassNames[] = {"StaticGray", "GrayScale", "StaticColor", "PseudoColor", "TrueColor", "DirectColor"};

bool DrawsOn(const Visual* visual) { return visual->c_class == TrueColor || visual->c_class == DirectColor; }

// The bits of the depth that no colour mask holds: the alpha of a 32-bit
// visual, set so that the picture is opaque.
unsigned long OpaqueBits(const XWindowAttributes& attributes)
{
    const Visual* visual = attributes.visual;
    const unsigned long depthBits = attributes.depth >= 32 ? 0xFFFFFFFFul : (1ul << attributes.depth) - 1;
    return depthBits & ~(visual->red_mask | visual->green_mask | visual->blue_mask);
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
    if (!DrawsOn(visual)) {
        const auto c = static_cast<std::size_t>(visual->c_class);
        error = std::string("the window's visual is ") +
                (c < std::size(visualClassNames) ? visualClassNames[c] : "of an unknown class") + " of depth " +
                std::to_string(attributes.depth) + ": only TrueColor and DirectColor can be drawn on";
        return nullptr;
    }
    std::unique_ptr<Blitter> blitter(new Blitter(display, window));
    const unsigned long masks[3] = {visual->red_mask, visual->green_mask, visual->blue_mask};
    for (int c = 0; c < 3; ++c) {
        for (unsigned v = 0; v < 256; ++v) blitter->channels_[c][v] = Place(v, masks[c]);
    }
    blitter->opaque_ = OpaqueBits(attributes);
    if (!blitter->CreateSharedImage(visual, attributes.depth, width, height) &&
        !blitter->CreatePlainImage(visual, attributes.depth, width, height)) {
        error = "cannot create an image of the window's size " + std::to_string(width) + "x" + std::to_string(height);
        return nullptr;
    }
    const bool hostLittleEndian = std::endian::native == std::endian::little;
    blitter->nativeOrder32_ = blitter->image_->bits_per_pixel == 32 &&
                              (blitter->image_->byte_order == LSBFirst) == hostLittleEndian;
    blitter->direct_ = blitter->nativeOrder32_ && blitter->FindDirectFormat(visual);
    blitter->gc_ = XCreateGC(display, window, 0, nullptr);
    return blitter;
}

unsigned long Blitter::BlackOn(Display* display, const XWindowAttributes& attributes)
{
    if (DrawsOn(attributes.visual)) return OpaqueBits(attributes);
    XColor black{};
    BeginErrorTrap(display);  // the colormap may be gone
    const bool allocated = XAllocColor(display, attributes.colormap, &black) != 0;
    if (EndErrorTrap(display) == 0 && allocated) return black.pixel;
    return BlackPixelOfScreen(attributes.screen);
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
    completionType_ = XShmGetEventBase(display_) + ShmCompletion;
    return true;
}

// Each channel 8 bits wide, anywhere in the 32-bit pixel.
bool Blitter::FindDirectFormat(const Visual* visual)
{
    const unsigned long masks[3] = {visual->red_mask, visual->green_mask, visual->blue_mask};
    int shifts[3];
    for (int c = 0; c < 3; ++c) {
        shifts[c] = masks[c] == 0 ? 0 : std::countr_zero(masks[c]);
        if (masks[c] != 0xFFul << shifts[c] || shifts[c] > 24) return false;
    }
    format_ = {shifts[0], shifts[1], shifts[2], static_cast<std::uint32_t>(opaque_)};
    return true;
}

std::unique_ptr<RasterSurface> Blitter::MakeRaster()
{
    if (!direct_) return std::make_unique<RasterSurface>(image_->width, image_->height);
    return std::make_unique<RasterSurface>(image_->width, image_->height, image_->data,
                                           static_cast<std::size_t>(image_->bytes_per_line), format_);
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

// From the raster's own pixels to the image's.
void Blitter::Convert(const RasterSurface& raster, PixelRect rect)
{
    const PixelFormat& own = raster.Format();
    for (int y = rect.top; y < rect.bottom; ++y) {
        const std::uint32_t* from = raster.Row(y);
        auto* row32 = reinterpret_cast<std::uint32_t*>(image_->data + static_cast<std::ptrdiff_t>(y) * image_->bytes_per_line);
        for (int x = rect.left; x < rect.right; ++x) {
            const std::uint32_t colour = from[x];
            const unsigned long pixel = opaque_ | channels_[0][colour >> own.redShift & 0xFF] |
                                        channels_[1][colour >> own.greenShift & 0xFF] |
                                        channels_[2][colour >> own.blueShift & 0xFF];
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
    if (!direct_) {
        WaitUntilRead();
        Convert(raster, rect);
    }
    const auto width = static_cast<unsigned>(rect.right - rect.left);
    const auto height = static_cast<unsigned>(rect.bottom - rect.top);
    if (shared_) {
        XShmPutImage(display_, window_, gc_, image_, rect.left, rect.top, rect.left, rect.top, width, height, True);
        ++unread_;
    } else {
        XPutImage(display_, window_, gc_, image_, rect.left, rect.top, rect.left, rect.top, width, height);
    }
    XFlush(display_);
}

bool Blitter::Handle(const XEvent& event)
{
    if (!shared_ || event.type != completionType_) return false;
    // One of an image made before this one, for a size that has passed, says nothing of this one.
    if (reinterpret_cast<const XShmCompletionEvent&>(event).shmseg == segment_.shmseg && unread_ > 0) --unread_;
    return true;
}

// A window destroyed meanwhile sends an error instead, which ends the program.
void Blitter::WaitUntilRead()
{
    const auto isCompletion = [](Display*, XEvent* event, XPointer data) {
        const auto* blitter = reinterpret_cast<const Blitter*>(data);
        return event->type == blitter->completionType_ &&
                       reinterpret_cast<const XShmCompletionEvent*>(event)->shmseg == blitter->segment_.shmseg
                   ? True
                   : False;
    };
    for (XEvent event; unread_ > 0; --unread_) XIfEvent(display_, &event, isCompletion, reinterpret_cast<XPointer>(this));
}
