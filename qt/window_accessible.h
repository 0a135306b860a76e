#pragma once

// What screen readers are told of the game's window and its frames, beside
// what they are told of the history (history_accessible.h).
namespace qtgui {

// Installs, once, the factories that make the game's top-level window a
// frame, as readers see the windows of other programs, and each frame of
// option buttons a named group.
void registerWindowAccessibility();

} // namespace qtgui
