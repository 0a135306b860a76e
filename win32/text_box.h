#pragma once

#include <windows.h>

namespace win32gui {

// Makes one of the game's EDIT controls behave as the text boxes users meet
// today do: Ctrl+A selects all; the context menu
// (right click, Shift+F10, the Menu key) is the game's own, in Bulgarian; the
// focus shows as a dotted frame in the box's text colour wherever the system
// shows focus cues; and a read-only box (the rules) takes the focus from Tab
// with nothing selected and its start in view. The box's parent gives its
// colours as for any EDIT (WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only).
void adoptTextBox(HWND edit);

} // namespace win32gui
