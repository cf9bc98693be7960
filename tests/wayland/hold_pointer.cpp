// Gives a headless compositor's seat a pointer for as long as it runs, so
// that its cursor commands reach the clients: a wlr virtual pointer, moved by
// each line "DX DY" read from stdin as a device moves, saying "moved" on
// stdout once the compositor has it. Ends with the connection or on a signal.
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The protocol as far as this tool uses it: the manager's first request,
// create_virtual_pointer(seat: a wl_seat or none, id: a new pointer), and
// the pointer's first five, up to motion (0) and frame (4).
const wl_interface* noTypes[5] = {};
const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes}, {"motion_absolute", "uuuuu", noTypes}, {"button", "uuu", noTypes},
    {"axis", "uuf", noTypes},   {"frame", "", noTypes}};
const wl_interface pointerInterface = {"zwlr_virtual_pointer_v1", 1, 5, pointerRequests, 0, nullptr};
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
    auto* pointer = wl_proxy_marshal_constructor(static_cast<wl_proxy*>(manager), 0, &pointerInterface, nullptr, nullptr);
    wl_display_roundtrip(display);
    for (int dx, dy; std::scanf("%d %d", &dx, &dy) == 2;) {
        wl_proxy_marshal(pointer, 0, 0u, wl_fixed_from_int(dx), wl_fixed_from_int(dy));
        wl_proxy_marshal(pointer, 4);
        wl_display_roundtrip(display);
        std::puts("moved");
        std::fflush(stdout);
    }
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
