#pragma once

#include <windows.h>

#include <string_view>

namespace win32gui {

// Gives a control the name (and, where not empty, the description) that
// screen readers read through MSAA and UI Automation, as the Qt program gives
// it: the score boxes, the history, the rules, the options and the computer's
// marks have no caption of their own that says what they are. Everything else
// a reader asks comes from the system's own object for the control. Uses
// Windows' own oleacc.dll, loaded only when a reader first asks.
void nameForScreenReaders(HWND control, std::wstring_view name, std::wstring_view description);

} // namespace win32gui
