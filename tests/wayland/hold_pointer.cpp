// Gives the compositor's seat a pointer for as long as it runs (a headless
// compositor has none), so that its cursor commands reach the clients: a
// virtual pointer of the wlr virtual-pointer protocol. Says "ready" on
// stdout once the pointer is there; ends when the connection does, or on a
// signal.
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The protocol as far as this tool uses it: the manager's first request,
// create_virtual_pointer(seat: a wl_seat or none, id: a new pointer).
const wl_interface pointerInterface = {"zwlr_virtual_pointer_v1", 1, 0, nullptr, 0, nullptr};
const wl_interface* createTypes[] = {&wl_seat_interface, &pointerInterface};
const wl_message managerRequests[] = {{"create_virtual_pointer", "?on", createTypes}};
const wl_interface managerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 1, managerRequests, 0, nullptr};

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, managerInterface.name) != 0) return;
    *static_cast<void**>(data) = wl_registry_bind(registry, name, &managerInterface, 1);
}

const wl_registry_listener registryListener = {OnGlobal, [](void*, wl_registry*, std::uint32_t) {}};

}  // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return 1;
    void* manager = nullptr;
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, &manager);
    wl_display_roundtrip(display);
    if (manager == nullptr) return 1;
    wl_proxy_marshal_constructor(static_cast<wl_proxy*>(manager), 0, &pointerInterface, nullptr, nullptr);
    wl_display_roundtrip(display);
    std::puts("ready");
    std::fflush(stdout);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
