#include "wayland_decorations.h"

#if MORVETA_WAYLAND
#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <cstring>
#include <memory>
#endif

namespace qtgui {

#if MORVETA_WAYLAND
namespace {

template <typename T, void (*destroy)(T*)> struct Destroy {
    void operator()(T* object) const { destroy(object); }
};
template <typename T, void (*destroy)(T*)> using Owned = std::unique_ptr<T, Destroy<T, destroy>>;

// The globals the question needs, bound from the registry.
struct Globals {
    Owned<wl_compositor, wl_compositor_destroy> compositor;
    Owned<xdg_wm_base, xdg_wm_base_destroy> shell;
    Owned<zxdg_decoration_manager_v1, zxdg_decoration_manager_v1_destroy> decorations;
};

void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t)
{
    auto& globals = *static_cast<Globals*>(data);
    const auto bind = [&](const wl_interface& kind) {
        return wl_registry_bind(registry, name, &kind, 1);
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && !globals.compositor)
        globals.compositor.reset(static_cast<wl_compositor*>(bind(wl_compositor_interface)));
    else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0 && !globals.shell)
        globals.shell.reset(static_cast<xdg_wm_base*>(bind(xdg_wm_base_interface)));
    else if (std::strcmp(interface, zxdg_decoration_manager_v1_interface.name) == 0 &&
             !globals.decorations)
        globals.decorations.reset(
            static_cast<zxdg_decoration_manager_v1*>(bind(zxdg_decoration_manager_v1_interface)));
}

void onGlobalRemoved(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener kRegistry{onGlobal, onGlobalRemoved};

void onPing(void*, xdg_wm_base* shell, std::uint32_t serial) { xdg_wm_base_pong(shell, serial); }

constexpr xdg_wm_base_listener kShell{onPing};

// What the compositor answered: the decoration's mode, and whether the
// window's first configure sequence has ended.
struct Answer {
    std::uint32_t mode = 0;
    bool configured = false;
};

void onMode(void* data, zxdg_toplevel_decoration_v1*, std::uint32_t mode)
{
    static_cast<Answer*>(data)->mode = mode;
}

constexpr zxdg_toplevel_decoration_v1_listener kDecoration{onMode};

void onSurfaceConfigure(void* data, xdg_surface*, std::uint32_t)
{
    static_cast<Answer*>(data)->configured = true;
}

constexpr xdg_surface_listener kSurface{onSurfaceConfigure};

} // namespace

bool compositorOffersTitleBars()
{
    // A connection of its own: Qt 6.4 does not share its own (6.5 does,
    // through QNativeInterface::QWaylandApplication).
    const Owned<wl_display, wl_display_disconnect> display(wl_display_connect(nullptr));
    if (!display)
        return false;
    Globals globals;
    {
        const Owned<wl_registry, wl_registry_destroy> registry(
            wl_display_get_registry(display.get()));
        if (!registry || wl_registry_add_listener(registry.get(), &kRegistry, &globals) != 0 ||
            wl_display_roundtrip(display.get()) < 0)
            return false;
    }
    if (!globals.decorations)
        return false;
    if (!globals.compositor || !globals.shell ||
        xdg_wm_base_add_listener(globals.shell.get(), &kShell, nullptr) != 0)
        return false;

    // Offering decorations is not drawing them: a compositor without a
    // decoration of its own (KWin without one installed) answers that the
    // window draws its own. Ask for a window that is never shown: without a
    // buffer it is never mapped.
    Answer answer;
    const Owned<wl_surface, wl_surface_destroy> surface(
        wl_compositor_create_surface(globals.compositor.get()));
    if (!surface)
        return false;
    const Owned<xdg_surface, xdg_surface_destroy> shellSurface(
        xdg_wm_base_get_xdg_surface(globals.shell.get(), surface.get()));
    if (!shellSurface || xdg_surface_add_listener(shellSurface.get(), &kSurface, &answer) != 0)
        return false;
    const Owned<xdg_toplevel, xdg_toplevel_destroy> toplevel(
        xdg_surface_get_toplevel(shellSurface.get()));
    if (!toplevel)
        return false;
    const Owned<zxdg_toplevel_decoration_v1, zxdg_toplevel_decoration_v1_destroy> decoration(
        zxdg_decoration_manager_v1_get_toplevel_decoration(globals.decorations.get(),
                                                           toplevel.get()));
    if (!decoration ||
        zxdg_toplevel_decoration_v1_add_listener(decoration.get(), &kDecoration, &answer) != 0)
        return false;
    zxdg_toplevel_decoration_v1_set_mode(decoration.get(),
                                         ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
    wl_surface_commit(surface.get());
    // The answer comes with the first configure; a compositor that sends
    // none within a few round trips draws nothing for us.
    for (int trip = 0; trip < 4 && !answer.configured; ++trip)
        if (wl_display_roundtrip(display.get()) < 0)
            return false;
    return answer.mode == ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE;
}
#else
// Built without Wayland's client library: Qt's own decorations stand in.
bool compositorOffersTitleBars() { return true; }
#endif

} // namespace qtgui
