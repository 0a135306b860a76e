#pragma once

// comctl32's chain of subclasses, which lets any number of links see a
// control's messages in turn whatever order they were added in. comctl32 is
// loaded on the first link added rather than at start: under Wine loading it
// registers two dozen window classes and loads their cursors, about 15 ms
// that the window's first paint need not wait for. Only the three functions
// that comctl32 5.82 (what Windows loads without a Common Controls 6
// manifest) exports by name are used; GetWindowSubclass it exports by number.

#include <windows.h>

#include <commctrl.h>

namespace win32gui {

// Adds `link` with `id` to `control`'s chain, or replaces that link's data;
// false where comctl32 cannot be had or refuses.
bool addSubclass(HWND control, SUBCLASSPROC link, UINT_PTR id, DWORD_PTR data);

// The next link's answer, or the control's own; for use inside a link only.
LRESULT nextSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Takes `link` with `id` out of `control`'s chain; a link never added is no error.
void removeSubclass(HWND control, SUBCLASSPROC link, UINT_PTR id);

} // namespace win32gui
