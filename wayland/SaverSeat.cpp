// A seat's pointer, keyboard and touch, and the input that ends the saver.
#include "wayland/SaverSeat.h"

#include <unistd.h>

#include "anim/MonitorArea.h"
#include "common/PointerTravel.h"
#include "wayland/Ignored.h"

namespace {

constexpr wl_seat_listener seatListener = {.capabilities = SaverSeat::OnCapabilities, .name = ignored};

constexpr wl_pointer_listener pointerListener = {
    .enter = SaverSeat::OnEnter, .leave = ignored, .motion = SaverSeat::OnMotion, .button = SaverSeat::OnButton,
    .axis = ignored, .frame = ignored, .axis_source = ignored, .axis_stop = ignored, .axis_discrete = ignored,
    .axis_value120 = ignored,
};

constexpr zwp_relative_pointer_v1_listener relativePointerListener = {.relative_motion = SaverSeat::OnRelativeMotion};

// Keys held already when the surface gets the keyboard (its enter) do not count.
constexpr wl_keyboard_listener keyboardListener = {
    .keymap = SaverSeat::OnKeymap, .enter = ignored, .leave = ignored, .key = SaverSeat::OnKey,
    .modifiers = ignored, .repeat_info = ignored,
};

constexpr wl_touch_listener touchListener = {
    .down = SaverSeat::OnTouch, .up = ignored, .motion = ignored, .frame = ignored, .cancel = ignored,
    .shape = ignored, .orientation = ignored,
};

SaverSeat& Of(void* data) { return *static_cast<SaverSeat*>(data); }

// Makes or lets go of one kind of a seat's devices as the seat gains or loses it.
template <typename Device, typename Raw, typename Listener>
void Follow(Device& device, bool present, wl_seat* seat, Raw* (*get)(wl_seat*),
            int (*listen)(Raw*, const Listener*, void*), const Listener& listener, void* data)
{
    if (present && device == nullptr) {
        device.reset(get(seat));
        listen(device.get(), &listener, data);
    } else if (!present) {
        device.reset();
    }
}

}  // namespace

SaverSeat::SaverSeat(wl_seat* seat, std::uint32_t global, const Proxy<zwp_relative_pointer_manager_v1>& relative,
                     bool& ended)
    : seat_(seat, EndSince<wl_seat, wl_seat_release, WL_SEAT_RELEASE_SINCE_VERSION>), global_(global),
      relative_(relative), ended_(ended)
{
    wl_seat_add_listener(seat, &seatListener, this);
}

void SaverSeat::OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities)
{
    SaverSeat& self = Of(data);
    const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (!pointer) self.relativePointer_.reset();
    Follow(self.pointer_, pointer, seat, wl_seat_get_pointer, wl_pointer_add_listener, pointerListener, data);
    if (pointer && self.relative_ != nullptr && self.relativePointer_ == nullptr) {
        self.relativePointer_.reset(zwp_relative_pointer_manager_v1_get_relative_pointer(self.relative_.get(),
                                                                                         self.pointer_.get()));
        zwp_relative_pointer_v1_add_listener(self.relativePointer_.get(), &relativePointerListener, data);
    }
    Follow(self.keyboard_, (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0, seat, wl_seat_get_keyboard,
           wl_keyboard_add_listener, keyboardListener, data);
    Follow(self.touch_, (capabilities & WL_SEAT_CAPABILITY_TOUCH) != 0, seat, wl_seat_get_touch,
           wl_touch_add_listener, touchListener, data);
}

// The surface's user data is its output's logical place.
void SaverSeat::OnEnter(void* data, wl_pointer* pointer, std::uint32_t serial, wl_surface* surface, wl_fixed_t x,
                        wl_fixed_t y)
{
    wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);  // hidden
    const auto* place = surface != nullptr ? static_cast<const MonitorArea*>(wl_surface_get_user_data(surface)) : nullptr;
    if (place == nullptr) return;
    Of(data).originX_ = place->left;
    Of(data).originY_ = place->top;
    Of(data).Travel(x, y);
}

void SaverSeat::OnMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) { Of(data).Travel(x, y); }

void SaverSeat::OnRelativeMotion(void* data, zwp_relative_pointer_v1*, std::uint32_t, std::uint32_t, wl_fixed_t dx,
                                 wl_fixed_t dy, wl_fixed_t, wl_fixed_t)
{
    SaverSeat& self = Of(data);
    self.relativeX_ += dx, self.relativeY_ += dy;
    if (PointerTravelEnds(wl_fixed_to_int(self.relativeX_), wl_fixed_to_int(self.relativeY_))) self.ended_ = true;
}

// Where the pointer is, in a surface's coordinates: the travel, unless the
// relative pointer counts it.
void SaverSeat::Travel(wl_fixed_t x, wl_fixed_t y)
{
    if (relativePointer_ != nullptr) return;
    const long long layoutX = originX_ + wl_fixed_to_int(x), layoutY = originY_ + wl_fixed_to_int(y);
    if (!anchored_) {
        anchored_ = true;
        anchorX_ = layoutX, anchorY_ = layoutY;
    }
    if (PointerTravelEnds(layoutX - anchorX_, layoutY - anchorY_)) ended_ = true;
}

void SaverSeat::OnButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state)
{
    if (state == WL_POINTER_BUTTON_STATE_PRESSED) Of(data).ended_ = true;
}

void SaverSeat::OnKeymap(void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) { close(fd); }

void SaverSeat::OnKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state)
{
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED) Of(data).ended_ = true;
}

void SaverSeat::OnTouch(void* data, wl_touch*, std::uint32_t, std::uint32_t, wl_surface*, std::int32_t, wl_fixed_t,
                        wl_fixed_t)
{
    Of(data).ended_ = true;
}
