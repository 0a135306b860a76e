#pragma once

// The program's start: which top-level window the game lives in.

#include <QWidget>

#include <memory>

namespace qtgui {

// How the program met its Wayland compositor: through WAYLAND_DISPLAY, which
// another connection can follow to ask about title bars, or through a socket
// the compositor handed over (WAYLAND_SOCKET), which Qt has taken and which
// leads nowhere else. Read before the application connects.
enum class WaylandStart { ByName, OverSocket };
WaylandStart howWaylandStarts();

// Whether the program must draw its own title bar: on Wayland, where the
// compositor offers no server-side decorations, or where it cannot be asked.
bool needsOwnTitleBar(WaylandStart start = WaylandStart::ByName);

// The game's top-level window as this desktop wants it: the game window
// itself, with the title bar the window system draws, or the game under the
// program's own title bar.
std::unique_ptr<QWidget> makeTopLevelWindow(WaylandStart start = WaylandStart::ByName);

} // namespace qtgui
