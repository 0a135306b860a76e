#pragma once

// The program's start: which top-level window the game lives in.

#include <QWidget>

#include <memory>

namespace qtgui {

// Whether the program must draw its own title bar: on Wayland, where the
// compositor offers no server-side decorations.
bool needsOwnTitleBar();

// The game's top-level window as this desktop wants it: the game window
// itself, with the title bar the window system draws, or the game under the
// program's own title bar.
std::unique_ptr<QWidget> makeTopLevelWindow();

} // namespace qtgui
