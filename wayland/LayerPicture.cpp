// A layer surface's set-up, its configure and close events, and the
// drawing of its figures into its buffers.
#include "wayland/LayerPicture.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "common/Ticks.h"
#include "wayland/Say.h"

namespace {

constexpr zwlr_layer_surface_v1_listener layerListener = {.configure = LayerPicture::OnConfigure,
                                                          .closed = LayerPicture::OnClosed};
constexpr wl_callback_listener frameListener = {.done = LayerPicture::OnFrame};

// The surface hides everything below it, so the compositor may skip
// drawing that (and stop showing what lies below, such as a wallpaper under
// the saver); a wallpaper takes no pointer or touch input anywhere.
void SetRegions(wl_compositor* compositor, wl_surface* surface, bool input)
{
    wl_region* everywhere = wl_compositor_create_region(compositor);
    wl_region_add(everywhere, 0, 0, INT32_MAX, INT32_MAX);
    wl_surface_set_opaque_region(surface, everywhere);
    wl_region_destroy(everywhere);
    if (input) return;
    wl_region* nowhere = wl_compositor_create_region(compositor);
    wl_surface_set_input_region(surface, nowhere);
    wl_region_destroy(nowhere);
}

}  // namespace

LayerPicture::LayerPicture(const SurfaceMaker& maker, wl_output* output, const std::string& name,
                           const OutputPixels& pixels, const MonitorArea* place, std::uint32_t seed)
    : maker_(maker), name_(name), pixels_(pixels), animation_(std::make_unique<Animation>()),
      surface_(wl_compositor_create_surface(maker.compositor), wl_surface_destroy)
{
    StartAnimation(*animation_, maker.settings, seed);
    wl_surface* surface = surface_.get();
    if (maker.viewporter != nullptr) viewport_.reset(wp_viewporter_get_viewport(maker.viewporter, surface));
    wl_surface_set_user_data(surface, const_cast<MonitorArea*>(place));
    const bool saver = maker.role == SurfaceRole::Saver;
    SetRegions(maker.compositor, surface, saver);
    layer_.reset(zwlr_layer_shell_v1_get_layer_surface(
        maker.layerShell, surface, output,
        saver ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY : ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND, "gyrelace"));
    zwlr_layer_surface_v1* layer = layer_.get();
    zwlr_layer_surface_v1_add_listener(layer, &layerListener, this);
    zwlr_layer_surface_v1_set_size(layer, 0, 0);
    zwlr_layer_surface_v1_set_anchor(layer,
                                     ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                         ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(layer, -1);  // over panels too
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layer, saver ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                     : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    wl_surface_commit(surface);  // the compositor answers with a configure
}

void LayerPicture::OnConfigure(void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t width,
                               std::uint32_t height)
{
    auto* picture = static_cast<LayerPicture*>(data);
    zwlr_layer_surface_v1_ack_configure(picture->layer_.get(), serial);
    picture->logicalWidth_ = width, picture->logicalHeight_ = height;
    picture->configured_ = picture->resized_ = true;
}

void LayerPicture::OnClosed(void* data, zwlr_layer_surface_v1*) { static_cast<LayerPicture*>(data)->closed_ = true; }

void LayerPicture::OnFrame(void* data, wl_callback*, std::uint32_t) { static_cast<LayerPicture*>(data)->frame_.reset(); }

void LayerPicture::Reshape(const OutputPixels& pixels)
{
    if (pixels == pixels_) return;
    pixels_ = pixels;
    resized_ = true;
}

// The scale goes to the compositor with a buffer drawn for it, or with the
// one shown when that has the same device pixels.
void LayerPicture::SetBufferScale()
{
    if (bufferScale_ != scale_) wl_surface_set_buffer_scale(surface_.get(), scale_);
    if (viewport_ != nullptr && bufferViewed_ != viewed_) {
        const int width = viewed_ ? static_cast<int>(logicalWidth_) : -1;
        wp_viewport_set_destination(viewport_.get(), width, viewed_ ? static_cast<int>(logicalHeight_) : -1);
    }
    bufferScale_ = scale_, bufferViewed_ = viewed_;
}

// The configured size at the output's scale, offered once the events that
// changed either are all in: a compositor sends an output's new scale, the
// surface's new size and the output's done event in one burst, in no set
// order. A new scale of the same device pixels keeps the picture.
void LayerPicture::OfferDeviceSize(std::uint32_t now)
{
    ChooseScale();
    long long width = 1LL * logicalWidth_ * scale_, height = 1LL * logicalHeight_ * scale_;
    if (viewed_) width = pixels_.modeWidth, height = pixels_.modeHeight;
    // Beyond what an int holds, the size cannot be drawn anyway.
    const long long most = INT_MAX;
    OfferSize(*animation_, static_cast<int>(std::min(width, most)), static_cast<int>(std::min(height, most)), now);
}

// An output whose mode is not its logical size times its integer scale has
// a fractional one (sway reports 1.5 as 2): then the buffers are drawn at
// the mode's pixels and shown over the logical size, where the viewporter
// is there; else at the integer scale below the fraction, which the
// compositor enlarges without gaps.
void LayerPicture::ChooseScale()
{
    const OutputPixels& p = pixels_;
    scale_ = p.scale, viewed_ = false;
    const bool whole = 1LL * logicalWidth_ * p.scale == p.modeWidth && 1LL * logicalHeight_ * p.scale == p.modeHeight;
    if (whole || p.modeWidth <= 0 || logicalWidth_ == 0) return;
    if (viewport_ != nullptr) {
        viewed_ = true;
        return;
    }
    scale_ = std::max(p.modeWidth / static_cast<int>(logicalWidth_), 1);
    if (!saidFractional_) {
        Say("output " + name_ + ": the compositor has no viewporter (wp_viewporter), so at its fractional scale "
            "the figures are drawn at scale " + std::to_string(scale_) + " and enlarged");
    }
    saidFractional_ = true;
}

// A black picture at the size taken, committed, with the figures restarted
// at it; a size that cannot be drawn is said in one line and gets no more
// drawing.
bool LayerPicture::Rebuild(int width, int height, std::uint32_t now)
{
    damage_.reset();
    buffers_.reset();  // the old ones first: a new size needs only one pair at a time
    due_ = now + RestartAtSize(*animation_, width, height);
    std::string error = SizeProblem(width, height);
    if (error.empty()) buffers_ = ShmBuffers::Create(maker_.shm, width, height, error);
    if (buffers_ == nullptr) {
        Say("output " + name_ + ": " + error + "; it shows no figures");
        return false;
    }
    width_ = width, height_ = height;
    buffers_->TakeFree();
    damage_ = std::make_unique<DamageSurface>(buffers_->Raster());
    SetBufferScale();
    Commit(PixelRect{0, 0, width_, height_});
    return true;
}

int LayerPicture::WaitFrom(std::uint32_t now) const
{
    if (ResizeDue()) return 0;
    std::uint32_t wait = SizeWait(*animation_, now);
    if (Drawable()) wait = std::min(wait, MillisecondsUntil(due_, now));
    return wait == noWake ? -1 : static_cast<int>(wait);
}

void LayerPicture::Wake(std::uint32_t now)
{
    const bool acknowledged = ResizeDue();
    if (acknowledged) {
        resized_ = false;
        OfferDeviceSize(now);
        if (SizeWait(*animation_, now) == noWake) SetBufferScale();  // the same device pixels
    }
    int width = 0, height = 0;
    const bool rebuilt = TakeSize(*animation_, now, width, height) && Rebuild(width, height, now);
    if (acknowledged && !rebuilt) wl_surface_commit(surface_.get());  // the configure, perhaps a new scale
    if (rebuilt || !Drawable() || MillisecondsUntil(due_, now) > 0) return;
    buffers_->TakeFree();
    due_ = now + AdvanceAnimation(*animation_, *damage_, now).wakeAfter;
    const PixelRect changed = damage_->TakeDamage();
    if (!changed.Empty()) Commit(changed);
}

void LayerPicture::Commit(PixelRect damage)
{
    wl_surface* surface = surface_.get();
    wl_surface_attach(surface, buffers_->Show(damage), 0, 0);
    wl_surface_damage_buffer(surface, damage.left, damage.top, damage.right - damage.left, damage.bottom - damage.top);
    frame_.reset(wl_surface_frame(surface));
    wl_callback_add_listener(frame_.get(), &frameListener, this);
    wl_surface_commit(surface);
}
