// Whether the game leaves its title bar to the compositor: asked of a small
// compositor of the test's own, which answers as the desktops do. KWin with a
// decoration plugin draws the bar; KWin without one offers decorations yet
// answers that the window draws its own; GNOME and weston offer none.
#include "wayland_decorations.h"

#include "xdg-decoration-unstable-v1-server-protocol.h"
#include "xdg-shell-server-protocol.h"

#include <doctest/doctest.h>
#include <wayland-server.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

namespace {

// What the compositor offers and answers.
struct Compositor {
    bool offersDecorations = true;
    std::uint32_t answer = ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE;
    // What the game did: its window's first commit, and whether it asked for
    // the compositor's bar.
    bool committed = false;
    std::uint32_t asked = 0;
    wl_resource* decoration = nullptr;
    wl_resource* toplevel = nullptr;
    wl_resource* shellSurface = nullptr;
};

Compositor& of(wl_resource* resource)
{
    return *static_cast<Compositor*>(wl_resource_get_user_data(resource));
}

void destroy(wl_client*, wl_resource* resource) { wl_resource_destroy(resource); }

// A surface's first commit is answered with the window's configure sequence.
void commit(wl_client*, wl_resource* surface)
{
    Compositor& c = of(surface);
    if (c.committed || !c.shellSurface)
        return;
    c.committed = true;
    if (c.decoration)
        zxdg_toplevel_decoration_v1_send_configure(c.decoration, c.answer);
    wl_array states;
    wl_array_init(&states);
    xdg_toplevel_send_configure(c.toplevel, 0, 0, &states);
    wl_array_release(&states);
    xdg_surface_send_configure(c.shellSurface, 1);
}

const struct wl_surface_interface kSurface = {.destroy = destroy, .commit = commit};

// A new object of the game's, answered as `implementation` says.
wl_resource* make(wl_client* client, wl_resource* parent, std::uint32_t id,
                  const wl_interface& kind, const void* implementation)
{
    wl_resource* resource = wl_resource_create(client, &kind, 1, id);
    wl_resource_set_implementation(resource, implementation, &of(parent), nullptr);
    return resource;
}

void createSurface(wl_client* client, wl_resource* compositor, std::uint32_t id)
{
    make(client, compositor, id, wl_surface_interface, &kSurface);
}

const struct wl_compositor_interface kCompositor = {.create_surface = createSurface};

void setMode(wl_client*, wl_resource* decoration, std::uint32_t mode)
{
    of(decoration).asked = mode;
}

const struct zxdg_toplevel_decoration_v1_interface kDecoration = {.destroy = destroy,
                                                                  .set_mode = setMode};

void getDecoration(wl_client* client, wl_resource* manager, std::uint32_t id, wl_resource*)
{
    of(manager).decoration =
        make(client, manager, id, zxdg_toplevel_decoration_v1_interface, &kDecoration);
}

const struct zxdg_decoration_manager_v1_interface kDecorations = {
    .destroy = destroy, .get_toplevel_decoration = getDecoration};

const struct xdg_toplevel_interface kToplevel = {.destroy = destroy};

void getToplevel(wl_client* client, wl_resource* shellSurface, std::uint32_t id)
{
    of(shellSurface).toplevel = make(client, shellSurface, id, xdg_toplevel_interface, &kToplevel);
}

void ackConfigure(wl_client*, wl_resource*, std::uint32_t) {}

const struct xdg_surface_interface kShellSurface = {
    .destroy = destroy, .get_toplevel = getToplevel, .ack_configure = ackConfigure};

void getShellSurface(wl_client* client, wl_resource* shell, std::uint32_t id, wl_resource*)
{
    of(shell).shellSurface = make(client, shell, id, xdg_surface_interface, &kShellSurface);
}

void pong(wl_client*, wl_resource*, std::uint32_t) {}

const struct xdg_wm_base_interface kShell = {
    .destroy = destroy, .get_xdg_surface = getShellSurface, .pong = pong};

template <const wl_interface* kind, auto implementation>
void bindGlobal(wl_client* client, void* data, std::uint32_t, std::uint32_t id)
{
    wl_resource* resource = wl_resource_create(client, kind, 1, id);
    wl_resource_set_implementation(resource, implementation, data, nullptr);
}

// Serves on a socket of its own, in a runtime folder of its own, named by the
// environment as a desktop names its compositor, until it goes.
class Server {
public:
    explicit Server(Compositor& compositor) : display_(wl_display_create())
    {
        char folder[] = "/tmp/morveta-wayland-XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("no runtime folder");
        runtime_ = folder;
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        socket_ = wl_display_add_socket_auto(display_);
        setenv("WAYLAND_DISPLAY", socket_, 1);
        unsetenv("WAYLAND_SOCKET");
        wl_global_create(display_, &wl_compositor_interface, 1, &compositor,
                         bindGlobal<&wl_compositor_interface, &kCompositor>);
        wl_global_create(display_, &xdg_wm_base_interface, 1, &compositor,
                         bindGlobal<&xdg_wm_base_interface, &kShell>);
        if (compositor.offersDecorations)
            wl_global_create(display_, &zxdg_decoration_manager_v1_interface, 1, &compositor,
                             bindGlobal<&zxdg_decoration_manager_v1_interface, &kDecorations>);
        thread_ = std::thread([this] { wl_display_run(display_); });
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;
    ~Server()
    {
        wl_display_terminate(display_);
        thread_.join();
        wl_display_destroy_clients(display_);
        wl_display_destroy(display_);
        std::error_code ignored;
        std::filesystem::remove_all(runtime_, ignored);
    }

private:
    wl_display* display_;
    std::string runtime_;
    const char* socket_ = nullptr;
    std::thread thread_;
};

} // namespace

TEST_CASE("the game leaves its title bar to a compositor only where that compositor draws it")
{
    struct Case {
        const char* desktop;
        bool offersDecorations;
        std::uint32_t answer;
        bool leavesItToTheCompositor;
    };
    constexpr Case cases[] = {
        {"KWin with its decoration", true, ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE, true},
        {"KWin without a decoration", true, ZXDG_TOPLEVEL_DECORATION_V1_MODE_CLIENT_SIDE, false},
        {"GNOME or weston", false, 0, false},
    };
    for (const Case& c : cases) {
        const std::string desktop = c.desktop;
        CAPTURE(desktop);
        Compositor compositor;
        compositor.offersDecorations = c.offersDecorations;
        compositor.answer = c.answer;
        bool leaves = false;
        {
            const Server server(compositor);
            leaves = qtgui::compositorOffersTitleBars();
        }
        CHECK(leaves == c.leavesItToTheCompositor);
        if (c.offersDecorations)
            CHECK(compositor.asked == ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
    }
}
