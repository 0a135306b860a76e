#include "wayland_decorations.h"

#if MORVETA_WAYLAND
#include <wayland-client.h>

#include <cstring>
#include <memory>
#endif

namespace qtgui {

#if MORVETA_WAYLAND
namespace {

void onGlobal(void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        *static_cast<bool*>(data) = true;
}

void onGlobalRemoved(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kListener{onGlobal, onGlobalRemoved};

} // namespace

bool compositorOffersTitleBars()
{
    // A connection of its own, for one round trip: Qt 6.4 does not share its
    // own (6.5 does, through QNativeInterface::QWaylandApplication).
    const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(
        wl_display_connect(nullptr), wl_display_disconnect);
    if (!display)
        return false;
    const std::unique_ptr<wl_registry, decltype(&wl_registry_destroy)> registry(
        wl_display_get_registry(display.get()), wl_registry_destroy);
    bool offered = false;
    if (!registry || wl_registry_add_listener(registry.get(), &kListener, &offered) != 0)
        return false;
    if (wl_display_roundtrip(display.get()) < 0)
        return false;
    return offered;
}
#else
// Built without Wayland's client library: Qt's own decorations stand in.
bool compositorOffersTitleBars() { return true; }
#endif

} // namespace qtgui
