// One wl_output and what the compositor says of it: its name, its logical
// place (from xdg-output where the compositor offers it, else the output's
// geometry) and its scale; and its picture while it is drawn on.
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <memory>
#include <string>

#include "anim/MonitorArea.h"
#include "wayland/LayerPicture.h"
#include "wayland/Proxy.h"
#include "xdg-output-client.h"

class Output {
public:
    Output(wl_output* output, std::uint32_t global);
    ~Output() { picture.reset(); }  // the layer surface before its output
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Asks for the output's logical place where the compositor has
    // xdg-output, and for a reply once it has said all it will say.
    void Describe(wl_display* display, zxdg_output_manager_v1* manager);
    bool Described() const { return described_; }

    std::uint32_t Global() const { return global_; }
    wl_output* Get() const { return output_.get(); }
    const std::string& Name() const { return name_; }
    const MonitorArea& Place() const { return place_; }
    const OutputPixels& Pixels() const { return pixels_; }

    bool ordered = false;  // given its place in the order, drawn on or not
    std::unique_ptr<LayerPicture> picture;

    // The compositor's events.
    static void OnGeometry(void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t, std::int32_t,
                           std::int32_t, const char*, const char*, std::int32_t transform);
    static void OnMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height,
                       std::int32_t);
    static void OnScale(void* data, wl_output*, std::int32_t factor);
    static void OnDone(void* data, wl_output*);
    static void OnName(void* data, wl_output*, const char* name);
    static void OnLogicalPosition(void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y);
    static void OnLogicalSize(void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height);
    static void OnXdgName(void* data, zxdg_output_v1*, const char* name);
    static void OnDescribed(void* data, wl_callback*, std::uint32_t);

private:
    Proxy<wl_output> output_;
    Proxy<zxdg_output_v1> xdgOutput_{nullptr, zxdg_output_v1_destroy};
    Proxy<wl_callback> describing_{nullptr, wl_callback_destroy};
    std::uint32_t global_;
    std::string name_;
    MonitorArea place_;
    OutputPixels pixels_, next_;  // those shown, and those the next done event applies
    bool turned_ = false;         // a quarter turn: the mode's sides are swapped
    bool described_ = false;
};
