#pragma once

#include <windows.h>

#include <string_view>

namespace win32gui {

// COM on the window's thread for as long as the window lives: screen readers
// reach the controls' objects through it, and without it the system cannot
// hand them any.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_ = false;
};

// Gives a control the name, description and, where not 0, role that screen
// readers read through MSAA and UI Automation: the score boxes, the history, the rules, the options
// and the computer's marks have no caption of their own that says what they are, and the frames are
// groups. Everything else a reader asks comes from the system's own object for the control. Uses
// Windows' own oleacc.dll, loaded only when a reader first asks.
void nameForScreenReaders(HWND control, std::wstring_view name, std::wstring_view description,
                          LONG role);

// Says text on a control named above: its description holds the text until
// the control loses the focus, and readers are told that it changed, which
// they speak on the focused control.
void announceOn(HWND control, std::wstring_view text);

} // namespace win32gui
