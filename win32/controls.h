#pragma once

// The controls of the layout table as Win32 child windows.

#include "gdi.h"
#include "layout.h"
#include "window.h"

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <optional>

namespace win32gui {

// How the controls of one kind are made. A row adds its own group start and
// disabled state; each control starts visible.
struct ControlKind {
    const wchar_t* windowClass = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG role = 0; // what screen readers are told it is; 0: what the system says
};

// The invisible frames that group option buttons: the window's colour, and
// what their options send passed on to the game window.
inline constexpr wchar_t kFrameClass[] = L"MorvetaFrame";

constexpr ControlKind kindOf(ui::Control control)
{
    constexpr DWORD kBox = WS_TABSTOP | WS_GROUP;
    switch (control) {
    case ui::Control::Label2:
        return {L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_GROUP};
    case ui::Control::Frame1:
    // Invisible, but to screen readers the named groups of their options.
    case ui::Control::Frame2:
        return {kFrameClass, WS_CLIPCHILDREN | WS_GROUP, WS_EX_CONTROLPARENT, ROLE_SYSTEM_GROUPING};
    case ui::Control::Igrach: return {L"BUTTON", BS_AUTORADIOBUTTON, 0, ROLE_SYSTEM_RADIOBUTTON};
    // The computer's marks: the game sets them, the user cannot.
    case ui::Control::Radio:
        return {L"BUTTON", BS_RADIOBUTTON | WS_GROUP, 0, ROLE_SYSTEM_RADIOBUTTON};
    // Owner-drawn, which some systems' objects call a mere client area.
    case ui::Control::Buton:
    case ui::Control::Nachalo:
        return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP | WS_GROUP, 0, ROLE_SYSTEM_PUSHBUTTON};
    case ui::Control::Rezul: return {L"EDIT", ES_CENTER | ES_AUTOHSCROLL | kBox, WS_EX_CLIENTEDGE};
    // Unsorted: LBS_STANDARD would sort the lines.
    case ui::Control::Rezultat:
        return {L"LISTBOX", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | kBox, WS_EX_CLIENTEDGE};
    case ui::Control::Text1:
        return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | kBox,
                WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0};
}

// Registers a window class once per process, with the window's colour as its
// background and the icon resource `icon` in both sizes (0: none); false,
// with the system's error, when it cannot. The class keeps what it loads for
// the life of the process, and a class already registered loads nothing.
bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int icon);

// The DPI a window is shown at: its monitor's where Windows tells it, else
// the system's.
int dpiOf(HWND window);

// The controls of the layout table in the game window, made from the table,
// placed and given their fonts at a DPI, with the faces the game paints.
class ControlWindows {
public:
    // Creates every control in tab order, the order the dialog keys follow;
    // false, with the system's error, when one could not be made.
    bool create(HWND window, HINSTANCE instance);
    // Makes the text boxes the game's and names every control for screen
    // readers, through comctl32's chains of subclasses. Done once the window
    // has painted, so that its first paint does not wait for comctl32; before
    // the message loop runs, so that no key and no reader's question comes first.
    void adoptControls();

    // The control of a row of the table, or of an id; null for none.
    HWND at(std::size_t row) const { return row < windows_.size() ? windows_[row] : nullptr; }
    HWND operator[](app::ControlId id) const { return at(ui::positionOf(id.control, id.index)); }
    // The row of a control, from the id it carries in WM_COMMAND and
    // WM_DRAWITEM; none for an id or window that is not one of ours.
    std::optional<std::size_t> rowOfId(UINT id) const;
    std::optional<std::size_t> rowOf(HWND control) const;

    // Places every control and makes the fonts at dpi.
    void applyDpi(int dpi);
    // Gives the text boxes their texts, once they have their fonts: an EDIT
    // that lays the rules out first in the system's font, whose width is set,
    // makes Wine 10's Uniscribe fault at the first typographic quote, and the
    // box then shows the rules' first line alone (docs/windows.md).
    void fillTextBoxes();
    int dpi() const { return dpi_; }

    // A face the game paints: its colour, none for other controls.
    std::optional<ui::Rgb> faceColour(std::size_t row) const;
    // Paints a face the game paints, unless it shows the colour already.
    void paintFace(std::size_t row, ui::Rgb colour);

    // Sets the colours a control draws with into dc, as WM_CTLCOLOR* asks,
    // and returns the brush for its face; null for the system's.
    HBRUSH setColours(HWND control, HDC dc) const;
    // Draws a move or start button for WM_DRAWITEM.
    void drawButton(const DRAWITEMSTRUCT& item) const;

    // Only the selected option of a group is a tab stop, as in dialogs.
    void keepTabStopOnSelectedOption() const;

private:
    // The history's selected line in view again after a change of font.
    void keepSelectedLineInView();
    struct Face {
        std::optional<ui::Rgb> colour; // for the controls whose colour the game sets
        Brush brush;
    };
    std::array<HWND, ui::kControls.size()> windows_{}; // in the table's order
    std::array<Face, ui::kControls.size()> faces_{};
    Font windowFont_;
    Font radioFont_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
};

} // namespace win32gui
