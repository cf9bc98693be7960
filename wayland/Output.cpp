// An output's events: its name, place and scale.
#include "wayland/Output.h"

#include <algorithm>
#include <utility>

#include "wayland/Ignored.h"

namespace {

constexpr wl_output_listener outputListener = {
    .geometry = Output::OnGeometry, .mode = Output::OnMode, .done = Output::OnDone, .scale = Output::OnScale,
    .name = Output::OnName, .description = ignored,
};

// Its facts are taken as they come, not at its done event.
constexpr zxdg_output_v1_listener xdgOutputListener = {
    .logical_position = Output::OnLogicalPosition, .logical_size = Output::OnLogicalSize, .done = ignored,
    .name = Output::OnXdgName, .description = ignored,
};

constexpr wl_callback_listener describedListener = {.done = Output::OnDescribed};

Output& Of(void* data) { return *static_cast<Output*>(data); }

}  // namespace

Output::Output(wl_output* output, std::uint32_t global)
    : output_(output, EndSince<wl_output, wl_output_release, WL_OUTPUT_RELEASE_SINCE_VERSION>), global_(global)
{
    wl_output_add_listener(output, &outputListener, this);
}

void Output::Describe(wl_display* display, zxdg_output_manager_v1* manager)
{
    if (manager != nullptr) {
        xdgOutput_.reset(zxdg_output_manager_v1_get_xdg_output(manager, output_.get()));
        zxdg_output_v1_add_listener(xdgOutput_.get(), &xdgOutputListener, this);
    }
    describing_.reset(wl_display_sync(display));
    wl_callback_add_listener(describing_.get(), &describedListener, this);
}

void Output::OnDescribed(void* data, wl_callback*, std::uint32_t)
{
    Of(data).describing_.reset();
    Of(data).described_ = true;
}

// The geometry's place is the logical one on compositors without xdg-output.
void Output::OnGeometry(void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t, std::int32_t,
                        std::int32_t, const char*, const char*, std::int32_t transform)
{
    Of(data).turned_ = (transform & 1) != 0;  // 90 and 270 degrees, flipped or not
    if (Of(data).xdgOutput_ != nullptr) return;
    Of(data).place_.left = x;
    Of(data).place_.top = y;
}

void Output::OnMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height,
                    std::int32_t)
{
    if ((flags & WL_OUTPUT_MODE_CURRENT) == 0) return;
    Of(data).next_.modeWidth = width;
    Of(data).next_.modeHeight = height;
}

void Output::OnScale(void* data, wl_output*, std::int32_t factor) { Of(data).next_.scale = std::max(factor, 1); }

void Output::OnDone(void* data, wl_output*)
{
    Output& output = Of(data);
    output.pixels_ = output.next_;
    if (output.turned_) std::swap(output.pixels_.modeWidth, output.pixels_.modeHeight);
    if (output.picture != nullptr) output.picture->Reshape(output.pixels_);
}

void Output::OnName(void* data, wl_output*, const char* name) { Of(data).name_ = name; }

void Output::OnLogicalPosition(void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y)
{
    Of(data).place_.left = x;
    Of(data).place_.top = y;
}

void Output::OnLogicalSize(void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height)
{
    Of(data).place_.width = width;
    Of(data).place_.height = height;
}

void Output::OnXdgName(void* data, zxdg_output_v1*, const char* name) { Of(data).name_ = name; }
