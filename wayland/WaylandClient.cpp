// The registry's globals, the outputs' order and seeds, and the pictures'
// wake-ups.
#include "wayland/WaylandClient.h"

#include <algorithm>
#include <climits>

#include "anim/DesktopLayout.h"
#include "wayland/Say.h"

namespace {

constexpr wl_registry_listener registryListener = {.global = WaylandClient::OnGlobal,
                                                   .global_remove = WaylandClient::OnGlobalRemove};

template <typename T>
T* BindGlobal(wl_registry* registry, std::uint32_t name, const wl_interface& interface, std::uint32_t version)
{
    return static_cast<T*>(wl_registry_bind(registry, name, &interface, version));
}

// Removes the element whose Global() is `name`.
template <typename T>
void EraseGlobal(std::vector<std::unique_ptr<T>>& list, std::uint32_t name)
{
    std::erase_if(list, [name](const std::unique_ptr<T>& item) { return item->Global() == name; });
}

}  // namespace

WaylandClient::WaylandClient(wl_display* display, const WaylandOptions& options, std::uint32_t seed)
    : display_(display), options_(options), seed_(seed)
{
    maker_.role = options.role;
    maker_.settings = options.settings;
}

WaylandClient::~WaylandClient()
{
    seats_.clear();
    outputs_.clear();  // their surfaces before the globals that made them
}

void WaylandClient::OnGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
                             std::uint32_t version)
{
    static_cast<WaylandClient*>(data)->Bind(name, interface, version);
}

void WaylandClient::OnGlobalRemove(void* data, wl_registry*, std::uint32_t name)
{
    auto* client = static_cast<WaylandClient*>(data);
    EraseGlobal(client->outputs_, name);
    EraseGlobal(client->seats_, name);
}

// Each global at the newest version this client knows, at most. The
// surfaces' makers are bound once: the surfaces keep using them.
void WaylandClient::Bind(std::uint32_t name, const std::string& interface, std::uint32_t version)
{
    wl_registry* registry = registry_.get();
    if (interface == wl_compositor_interface.name && version >= 4 && compositor_ == nullptr) {
        compositor_.reset(BindGlobal<wl_compositor>(registry, name, wl_compositor_interface, 4));
    } else if (interface == wl_shm_interface.name && shm_ == nullptr) {
        shm_.reset(BindGlobal<wl_shm>(registry, name, wl_shm_interface, 1));
    } else if (interface == zwlr_layer_shell_v1_interface.name && layerShell_ == nullptr) {
        layerShell_.reset(BindGlobal<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface,
                                                          std::min(version, 4u)));
    } else if (interface == zxdg_output_manager_v1_interface.name && outputManager_ == nullptr) {
        outputManager_.reset(BindGlobal<zxdg_output_manager_v1>(registry, name, zxdg_output_manager_v1_interface,
                                                                std::min(version, 3u)));
    } else if (interface == wp_viewporter_interface.name && viewporter_ == nullptr) {
        viewporter_.reset(BindGlobal<wp_viewporter>(registry, name, wp_viewporter_interface, 1));
    } else if (interface == wl_output_interface.name) {
        auto* output = BindGlobal<wl_output>(registry, name, wl_output_interface, std::min(version, 4u));
        outputs_.push_back(std::make_unique<Output>(output, name));
        if (globalsKnown_) outputs_.back()->Describe(display_, outputManager_.get());
    } else if (interface == zwp_relative_pointer_manager_v1_interface.name && options_.role == SurfaceRole::Saver &&
               relativePointers_ == nullptr) {
        relativePointers_.reset(BindGlobal<zwp_relative_pointer_manager_v1>(
            registry, name, zwp_relative_pointer_manager_v1_interface, 1));
    } else if (interface == wl_seat_interface.name && options_.role == SurfaceRole::Saver) {
        auto* seat = BindGlobal<wl_seat>(registry, name, wl_seat_interface, std::min(version, 5u));
        seats_.push_back(std::make_unique<SaverSeat>(seat, name, relativePointers_, ended_));
    }
}

WaitResult WaylandClient::Start(DisplayWait& wait)
{
    registry_.reset(wl_display_get_registry(display_));
    wl_registry_add_listener(registry_.get(), &registryListener, this);
    WaitResult result = wait.Roundtrip();
    if (result != WaitResult::Events || !Missing().empty()) return result;
    maker_.compositor = compositor_.get();
    maker_.shm = shm_.get();
    maker_.layerShell = layerShell_.get();
    maker_.viewporter = viewporter_.get();
    globalsKnown_ = true;
    for (const auto& output : outputs_) output->Describe(display_, outputManager_.get());
    result = wait.Roundtrip();
    if (result != WaitResult::Events) return result;

    std::vector<Output*> ordered;
    for (const auto& output : outputs_) {
        if (output->Described()) ordered.push_back(output.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const Output* a, const Output* b) { return DrawsBefore(a->Place(), b->Place()); });
    for (Output* output : ordered) Order(*output);
    SayUnknownNames();
    return result;
}

std::string WaylandClient::Missing() const
{
    if (layerShell_ == nullptr) {
        return "the compositor lacks the layer-shell protocol (zwlr_layer_shell_v1) that gyrelace-wayland needs; "
               "sway, Hyprland, river, Wayfire and KDE Plasma have it, GNOME does not";
    }
    if (compositor_ == nullptr) return "the compositor lacks wl_compositor of version 4 or later";
    if (shm_ == nullptr) return "the compositor lacks shared memory buffers (wl_shm)";
    return {};
}

bool WaylandClient::Chosen(const Output& output) const
{
    return options_.outputs.empty() ||
           std::find(options_.outputs.begin(), options_.outputs.end(), output.Name()) != options_.outputs.end();
}

// Gives a described output its place in the order and, when it is drawn on,
// its picture with the seed of that place.
void WaylandClient::Order(Output& output)
{
    output.ordered = true;
    if (!Chosen(output)) return;
    const std::uint32_t seed = MonitorSeed(seed_, nextPlace_++);
    output.picture = std::make_unique<LayerPicture>(maker_, output.Get(), output.Name(), output.Pixels(),
                                                    &output.Place(), seed);
}

void WaylandClient::SayUnknownNames() const
{
    for (const std::string& name : options_.outputs) {
        const auto named = [&name](const std::unique_ptr<Output>& output) { return output->Name() == name; };
        if (std::none_of(outputs_.begin(), outputs_.end(), named)) {
            Say("there is no output named '" + name + "' yet; it is drawn on when it comes");
        }
    }
}

void WaylandClient::Wake(std::uint32_t now)
{
    for (const auto& output : outputs_) {
        if (output->picture != nullptr && output->picture->Closed()) output->picture.reset();
        if (output->Described() && !output->ordered) Order(*output);
        if (output->picture != nullptr) output->picture->Wake(now);
    }
}

int WaylandClient::WaitFrom(std::uint32_t now) const
{
    int wait = INT_MAX;
    for (const auto& output : outputs_) {
        const int wants = output->picture != nullptr ? output->picture->WaitFrom(now) : -1;
        if (wants >= 0) wait = std::min(wait, wants);
    }
    return wait == INT_MAX ? -1 : wait;
}
