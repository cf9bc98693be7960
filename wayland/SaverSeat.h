// One seat while the saver runs, by the saver's rules: a key pressed, a
// button pressed, a touch, or pointer travel beyond the saver's tolerance
// ends it. Over its surfaces the pointer is hidden. Travel is counted in
// logical pixels of the whole layout from where the pointer first entered
// one of them, so that it adds up across outputs.
#pragma once

#include <wayland-client.h>

#include <cstdint>

#include "wayland/Proxy.h"

class SaverSeat {
public:
    // Sets `ended` on input that ends the saver.
    SaverSeat(wl_seat* seat, std::uint32_t global, bool& ended);
    std::uint32_t Global() const { return global_; }

    // The compositor's events.
    static void OnCapabilities(void* data, wl_seat*, std::uint32_t capabilities);
    static void OnEnter(void* data, wl_pointer*, std::uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y);
    static void OnMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y);
    static void OnButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state);
    static void OnKeymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t);
    static void OnKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state);
    static void OnTouch(void* data, wl_touch*, std::uint32_t, std::uint32_t, wl_surface*, std::int32_t, wl_fixed_t,
                        wl_fixed_t);

private:
    void Travel(wl_fixed_t x, wl_fixed_t y);

    Proxy<wl_seat> seat_;
    Proxy<wl_pointer> pointer_{nullptr, EndSince<wl_pointer, wl_pointer_release, WL_POINTER_RELEASE_SINCE_VERSION>};
    Proxy<wl_keyboard> keyboard_{nullptr,
                                 EndSince<wl_keyboard, wl_keyboard_release, WL_KEYBOARD_RELEASE_SINCE_VERSION>};
    Proxy<wl_touch> touch_{nullptr, EndSince<wl_touch, wl_touch_release, WL_TOUCH_RELEASE_SINCE_VERSION>};
    std::uint32_t global_;
    bool& ended_;
    long long originX_ = 0, originY_ = 0;  // the place of the output the pointer is over
    bool anchored_ = false;
    long long anchorX_ = 0, anchorY_ = 0;
};
