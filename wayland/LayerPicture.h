// One output's layer surface and what it shows: a figure sequence of its
// own, drawn at the output's device pixels into shared memory and committed
// a changed rectangle at a time, when the point clock says points are due
// and the compositor has shown the picture before (so an output it does not
// show gets nothing drawn until it shows it again).
// Its sizes go to the engine as they come, and the picture is made again
// only when the engine takes one (anim/Resizing.h).
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <memory>
#include <string>

#include "anim/Animation.h"
#include "anim/DamageSurface.h"
#include "anim/MonitorArea.h"
#include "layer-shell-client.h"
#include "viewporter-client.h"
#include "wayland/Proxy.h"
#include "wayland/ShmBuffers.h"
#include "wayland/WaylandOptions.h"

// What every layer surface is made with.
// What an output says of its pixels: its integer scale and its current
// mode, as laid out (a turned output's sides swapped); 0x0 before a mode.
struct OutputPixels {
    int scale = 1;
    int modeWidth = 0, modeHeight = 0;
    bool operator==(const OutputPixels&) const = default;
};

struct SurfaceMaker {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    wp_viewporter* viewporter = nullptr;  // where the compositor has it
    SurfaceRole role = SurfaceRole::Wallpaper;
    SaverSettings settings;
};

class LayerPicture {
public:
    // A layer surface on the output, over all of it, asked for its size,
    // with the figure sequence of this seed. `place`, the output's logical
    // rectangle, becomes the surface's user data (for the pointer's travel)
    // and must outlive it.
    LayerPicture(const SurfaceMaker& maker, wl_output* output, const std::string& name, const OutputPixels& pixels,
                 const MonitorArea* place, std::uint32_t seed);
    ~LayerPicture() = default;
    LayerPicture(const LayerPicture&) = delete;
    LayerPicture& operator=(const LayerPicture&) = delete;

    // The compositor will not show the surface again.
    bool Closed() const { return closed_; }
    // The output's scale or mode changed: offered at the next wake-up, with
    // the size the compositor configures with it.
    void Reshape(const OutputPixels& pixels);
    // Milliseconds until drawing is due; -1 while only an event (a configure,
    // a frame shown, a buffer released) can make it possible.
    int WaitFrom(std::uint32_t now) const;
    // Offers a new size or scale, takes one that has settled; draws the
    // points due and commits what they changed.
    void Wake(std::uint32_t now);

    // The compositor's events.
    static void OnConfigure(void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t width,
                            std::uint32_t height);
    static void OnClosed(void* data, zwlr_layer_surface_v1*);
    static void OnFrame(void* data, wl_callback*, std::uint32_t);

private:
    void OfferDeviceSize(std::uint32_t now);
    void ChooseScale();
    void SetBufferScale();
    bool Rebuild(int width, int height, std::uint32_t now);
    bool ResizeDue() const { return resized_ && configured_; }
    bool Drawable() const { return damage_ != nullptr && frame_ == nullptr && !closed_ && buffers_->HasFree(); }
    void Commit(PixelRect damage);

    const SurfaceMaker& maker_;
    std::string name_;
    OutputPixels pixels_;
    // How the buffers map onto the configured size: at a scale, or (at a
    // fractional scale, where the viewporter is there) one device pixel to
    // a pixel, shown over the logical size.
    int scale_ = 1, bufferScale_ = 1;  // the one the next size is drawn at; the surface's, as last set
    bool viewed_ = false, bufferViewed_ = false;
    bool saidFractional_ = false;
    std::unique_ptr<Animation> animation_;
    // The buffers and the damage noted in front of their raster, which goes first.
    std::unique_ptr<ShmBuffers> buffers_;
    std::unique_ptr<DamageSurface> damage_;
    Proxy<wl_surface> surface_;
    Proxy<zwlr_layer_surface_v1> layer_{nullptr, zwlr_layer_surface_v1_destroy};
    Proxy<wp_viewport> viewport_{nullptr, wp_viewport_destroy};
    Proxy<wl_callback> frame_{nullptr, wl_callback_destroy};  // the last commit, until the compositor shows it
    std::uint32_t logicalWidth_ = 0, logicalHeight_ = 0;  // the last size configured
    int width_ = 0, height_ = 0;                          // the buffers' device pixels
    std::uint32_t due_ = 0;                               // when the point clock wants the next wake-up
    bool configured_ = false;                             // a size came
    bool resized_ = false;                                // a configure or a scale waits for the wake-up
    bool closed_ = false;
};
