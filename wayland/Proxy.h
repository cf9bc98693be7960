// Owning pointers for Wayland protocol objects, each with the request that
// ends it, so that none outlives its owner on any path out.
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <memory>

template <typename T>
using Proxy = std::unique_ptr<T, void (*)(T*)>;

// Forgets an object on this side only: for interfaces without a request
// that ends them.
template <typename T>
void Forget(T* proxy)
{
    wl_proxy_destroy(reinterpret_cast<wl_proxy*>(proxy));
}

// For objects whose ending request came in a later version of their
// interface: that request where the compositor knows it, else forgotten.
template <typename T, void (*Release)(T*), std::uint32_t since>
void EndSince(T* proxy)
{
    if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(proxy)) >= since) {
        Release(proxy);
    } else {
        Forget(proxy);
    }
}
