// The poll() on the connection and the signal descriptor, libwayland's
// reading protocol around it, and the words for a lost connection.
#include "wayland/DisplayWait.h"

#include <poll.h>

#include <cerrno>
#include <cstring>

#include "wayland/Proxy.h"
#include "wayland/WaylandLog.h"

namespace {

void OnSynced(void* data, wl_callback*, std::uint32_t) { *static_cast<bool*>(data) = true; }

constexpr wl_callback_listener syncListener = {.done = OnSynced};

}  // namespace

DisplayWait::DisplayWait(wl_display* display, int signals) : display_(display), signals_(signals) {}

WaitResult DisplayWait::Once(int timeout)
{
    // Events already read are dispatched before any wait.
    if (wl_display_prepare_read(display_) != 0) {
        return wl_display_dispatch_pending(display_) < 0 ? WaitResult::Lost : WaitResult::Events;
    }
    pollfd waits[2] = {{wl_display_get_fd(display_), POLLIN, 0}, {signals_, POLLIN, 0}};
    if (wl_display_flush(display_) < 0) {
        if (errno != EAGAIN) {
            lostErrno_ = errno;
            wl_display_cancel_read(display_);
            return WaitResult::Lost;
        }
        waits[0].events |= POLLOUT;  // the socket is full: the rest goes on the next turn
    }
    if (poll(waits, 2, timeout) < 0 || (waits[0].revents & (POLLIN | POLLERR | POLLHUP)) == 0) {
        wl_display_cancel_read(display_);
    } else if (wl_display_read_events(display_) < 0) {
        return WaitResult::Lost;
    }
    if ((waits[1].revents & POLLIN) != 0) return WaitResult::Signal;
    return wl_display_dispatch_pending(display_) < 0 ? WaitResult::Lost : WaitResult::Events;
}

WaitResult DisplayWait::Roundtrip()
{
    bool synced = false;
    const Proxy<wl_callback> sync(wl_display_sync(display_), wl_callback_destroy);
    wl_callback_add_listener(sync.get(), &syncListener, &synced);
    WaitResult result = WaitResult::Events;
    while (!synced && result == WaitResult::Events) result = Once(-1);
    return result;
}

std::string DisplayWait::LostReason() const
{
    const int error = wl_display_get_error(display_) != 0 ? wl_display_get_error(display_) : lostErrno_;
    if (error != EPROTO) return std::string("the connection to the compositor was lost: ") + std::strerror(error);
    const wl_interface* interface = nullptr;
    std::uint32_t id = 0;
    const std::uint32_t code = wl_display_get_protocol_error(display_, &interface, &id);
    std::string reason = "the compositor ended the connection for a protocol error " + std::to_string(code) + " on " +
                         (interface != nullptr ? interface->name : "an object");
    if (!LastWaylandLog().empty()) reason += " (" + LastWaylandLog() + ")";
    return reason;
}
