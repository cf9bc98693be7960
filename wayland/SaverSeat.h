// One seat while the saver runs, by the saver's rules: a key pressed, a
// button pressed, a touch, or pointer travel beyond the saver's tolerance
// ends it. Over its surfaces the pointer is hidden. Only travel the user
// makes counts: the relative pointer's motion, which the compositor sends
// for a device's motion alone (not when it puts the pointer elsewhere
// itself, as when an output changes). A compositor without relative
// pointers has the travel counted in logical pixels of the whole layout
// from where the pointer first entered a surface, so that it adds up across
// outputs.
#pragma once

#include <wayland-client.h>

#include <cstdint>

#include "relative-pointer-client.h"
#include "wayland/Proxy.h"

class SaverSeat {
public:
    // Sets `ended` on input that ends the saver. `relative` may be none, and
    // must outlive the seat.
    SaverSeat(wl_seat* seat, std::uint32_t global, const Proxy<zwp_relative_pointer_manager_v1>& relative,
              bool& ended);
    std::uint32_t Global() const { return global_; }

    // The compositor's events.
    static void OnCapabilities(void* data, wl_seat*, std::uint32_t capabilities);
    static void OnEnter(void* data, wl_pointer*, std::uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y);
    static void OnMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y);
    static void OnRelativeMotion(void* data, zwp_relative_pointer_v1*, std::uint32_t, std::uint32_t, wl_fixed_t dx,
                                 wl_fixed_t dy, wl_fixed_t, wl_fixed_t);
    static void OnButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state);
    static void OnKeymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t);
    static void OnKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state);
    static void OnTouch(void* data, wl_touch*, std::uint32_t, std::uint32_t, wl_surface*, std::int32_t, wl_fixed_t,
                        wl_fixed_t);

private:
    void Travel(wl_fixed_t x, wl_fixed_t y);

    Proxy<wl_seat> seat_;
    Proxy<wl_pointer> pointer_{nullptr, EndSince<wl_pointer, wl_pointer_release, WL_POINTER_RELEASE_SINCE_VERSION>};
    Proxy<zwp_relative_pointer_v1> relativePointer_{nullptr, zwp_relative_pointer_v1_destroy};  // before pointer_ ends
    Proxy<wl_keyboard> keyboard_{nullptr,
                                 EndSince<wl_keyboard, wl_keyboard_release, WL_KEYBOARD_RELEASE_SINCE_VERSION>};
    Proxy<wl_touch> touch_{nullptr, EndSince<wl_touch, wl_touch_release, WL_TOUCH_RELEASE_SINCE_VERSION>};
    std::uint32_t global_;
    const Proxy<zwp_relative_pointer_manager_v1>& relative_;
    bool& ended_;
    wl_fixed_t relativeX_ = 0, relativeY_ = 0;  // the relative pointer's travel
    long long originX_ = 0, originY_ = 0;  // the place of the output the pointer is over
    bool anchored_ = false;
    long long anchorX_ = 0, anchorY_ = 0;
};
