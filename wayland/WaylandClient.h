// The connection's globals and the outputs and seats the compositor
// announces: each output to be drawn on gets a layer surface with a figure
// sequence of its own. The outputs there at the start take their seeds in
// the drawing order the desktop layout gives monitors (by logical place,
// left to right, then top to bottom): the first the seed, the k-th after it
// the desktop layout's seed for place k. An output that comes later takes
// the next place after those given, so that it repeats no other's figures
// and those running go on undisturbed; one that goes away takes its
// surface with it.
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layer-shell-client.h"
#include "relative-pointer-client.h"
#include "wayland/DisplayWait.h"
#include "wayland/LayerPicture.h"
#include "wayland/Output.h"
#include "wayland/Proxy.h"
#include "wayland/SaverSeat.h"
#include "wayland/WaylandOptions.h"
#include "xdg-output-client.h"

class WaylandClient {
public:
    WaylandClient(wl_display* display, const WaylandOptions& options, std::uint32_t seed);
    ~WaylandClient();
    WaylandClient(const WaylandClient&) = delete;
    WaylandClient& operator=(const WaylandClient&) = delete;

    // Binds the globals and, when the compositor has those it needs (else
    // Missing says which it lacks), gives the outputs there their pictures.
    WaitResult Start(DisplayWait& wait);
    // One line naming a global the compositor lacks; empty when it has all.
    std::string Missing() const;

    // Follows the outputs that came, went or were closed, then draws what is due.
    void Wake(std::uint32_t now);
    // Milliseconds until a picture has points due; -1: none until an event.
    int WaitFrom(std::uint32_t now) const;
    // A saver's input has ended it.
    bool Ended() const { return ended_; }

    // The compositor's events.
    static void OnGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t version);
    static void OnGlobalRemove(void* data, wl_registry*, std::uint32_t name);

private:
    void Bind(std::uint32_t name, const std::string& interface, std::uint32_t version);
    bool Chosen(const Output& output) const;
    void Order(Output& output);
    void SayUnknownNames() const;

    wl_display* display_;
    const WaylandOptions& options_;
    std::uint32_t seed_;
    int nextPlace_ = 0;  // the place in the drawing order the next output takes
    bool globalsKnown_ = false;  // the first roundtrip is over: a new output is described at once
    bool ended_ = false;
    SurfaceMaker maker_;
    Proxy<wl_registry> registry_{nullptr, Forget<wl_registry>};
    Proxy<wl_compositor> compositor_{nullptr, Forget<wl_compositor>};
    Proxy<wl_shm> shm_{nullptr, Forget<wl_shm>};
    Proxy<zwlr_layer_shell_v1> layerShell_{nullptr, EndSince<zwlr_layer_shell_v1, zwlr_layer_shell_v1_destroy, 3>};
    Proxy<zxdg_output_manager_v1> outputManager_{nullptr, zxdg_output_manager_v1_destroy};
    Proxy<wp_viewporter> viewporter_{nullptr, wp_viewporter_destroy};
    Proxy<zwp_relative_pointer_manager_v1> relativePointers_{nullptr, zwp_relative_pointer_manager_v1_destroy};
    std::vector<std::unique_ptr<Output>> outputs_;
    std::vector<std::unique_ptr<SaverSeat>> seats_;
};
