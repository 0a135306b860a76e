#include "text_box.h"

#include "gdi.h"
#include "subclass.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace win32gui {

namespace {

// The text boxes' link in each box's chain of subclasses.
constexpr UINT_PTR kTextBoxSubclass = 1;

enum : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll };

bool readOnly(HWND edit) { return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0; }

bool focusCuesShown(HWND edit)
{
    return (SendMessageW(edit, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

// The colour the box draws its text in, as its parent gives it.
COLORREF textColourOf(HWND edit, HDC dc)
{
    const UINT ask = readOnly(edit) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SendMessageW(GetParent(edit), ask, WPARAM(dc), LPARAM(edit));
    return GetTextColor(dc);
}

// The focus frame: dotted, on the inner line of the sunken border, where
// scrolling the text cannot carry it along.
void drawFocusFrame(HWND edit)
{
    if (GetFocus() != edit || !focusCuesShown(edit))
        return;
    const HDC dc = GetWindowDC(edit);
    if (!dc)
        return;
    RECT r;
    GetWindowRect(edit, &r);
    OffsetRect(&r, -r.left, -r.top);
    InflateRect(&r, -1, -1);
    drawDottedFrame(dc, r, textColourOf(edit, dc));
    ReleaseDC(edit, dc);
}

void redrawFrame(HWND edit)
{
    RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

// One entry of a text box's context menu; a separator has id 0.
struct MenuEntry {
    UINT id;
    std::wstring_view text;
    bool enabled;
};

// The context menu for the box as it stands: the items and enabled states
// of the system's edit menu, with Qt's Bulgarian words; a read-only box offers
// copying and selecting all only.
std::vector<MenuEntry> contextMenuOf(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    const bool selection = start != end;
    const auto length = DWORD(GetWindowTextLengthW(edit));
    const bool allSelected = std::min(start, end) == 0 && std::max(start, end) >= length;
    const bool selectAll = length > 0 && !allSelected;
    if (readOnly(edit))
        return {{kCopy, L"&Копиране\tCtrl+C", selection},
                {0, {}, false},
                {kSelectAll, L"Избиране на всичко\tCtrl+A", selectAll}};
    const bool canUndo = SendMessageW(edit, EM_CANUNDO, 0, 0) != 0;
    const bool canPaste = IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
    return {{kUndo, L"&Отмяна\tCtrl+Z", canUndo},
            {0, {}, false},
            {kCut, L"&Изрязване\tCtrl+X", selection},
            {kCopy, L"&Копиране\tCtrl+C", selection},
            {kPaste, L"&Поставяне\tCtrl+V", canPaste},
            {kDelete, L"Изтриване", selection},
            {0, {}, false},
            {kSelectAll, L"Избиране на всичко\tCtrl+A", selectAll}};
}

void showContextMenu(HWND edit, LPARAM at)
{
    POINT p{short(LOWORD(at)), short(HIWORD(at))};
    if (at == -1) {
        // From the keyboard: at the caret, or the box's middle.
        RECT r;
        GetClientRect(edit, &r);
        p = {r.right / 2, r.bottom / 2};
        if (POINT caret; GetCaretPos(&caret) && PtInRect(&r, caret))
            p = caret;
        ClientToScreen(edit, &p);
    }
    const HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (const MenuEntry& e : contextMenuOf(edit)) {
        if (e.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring text(e.text);
        const UINT state = e.enabled ? UINT(MF_ENABLED) : UINT(MF_GRAYED);
        AppendMenuW(menu, UINT(MF_STRING) | state, UINT_PTR(e.id), text.c_str());
    }
    SetFocus(edit);
    const UINT chosen = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                            p.x, p.y, 0, edit, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
    case kUndo: SendMessageW(edit, EM_UNDO, 0, 0); break;
    case kCut: SendMessageW(edit, WM_CUT, 0, 0); break;
    case kCopy: SendMessageW(edit, WM_COPY, 0, 0); break;
    case kPaste: SendMessageW(edit, WM_PASTE, 0, 0); break;
    case kDelete: SendMessageW(edit, WM_CLEAR, 0, 0); break;
    case kSelectAll: SendMessageW(edit, EM_SETSEL, 0, -1); break;
    default: break;
    }
}

LRESULT CALLBACK textBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                             DWORD_PTR /*data*/)
{
    const auto base = [&] { return nextSubclass(edit, message, wParam, lParam); };
    switch (message) {
    case WM_GETDLGCODE:
        // Tab into the rules selects nothing, which would scroll to their end.
        return readOnly(edit) ? base() & ~LRESULT(DLGC_HASSETSEL) : base();
    case WM_KEYDOWN:
        // A multi-line box would close its parent on Escape, ending the match.
        if (wParam == VK_ESCAPE)
            return 0;
        if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return 0;
        }
        return base();
    case WM_SYSKEYDOWN:
        // Shift+F10 opens the menu here: passed on, its release would then
        // put the window into menu mode.
        if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
            showContextMenu(edit, -1);
            return 0;
        }
        return base();
    case WM_CHAR:
        if (wParam == 1 || wParam == VK_ESCAPE) // Ctrl+A handled above; Escape does nothing
            return 0;
        return base();
    case WM_CONTEXTMENU: showContextMenu(edit, lParam); return 0;
    case WM_KEYUP:
        // The Menu key, which Windows turns into WM_CONTEXTMENU as it comes
        // up; not every system does.
        if (wParam == VK_APPS) {
            showContextMenu(edit, -1);
            return 0;
        }
        return base();
    case WM_NCPAINT: {
        const LRESULT result = base();
        drawFocusFrame(edit);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
        const LRESULT result = base();
        redrawFrame(edit);
        return result;
    }
    case WM_NCDESTROY: removeSubclass(edit, &textBoxProc, kTextBoxSubclass); return base();
    default: return base();
    }
}

} // namespace

void adoptTextBox(HWND edit)
{
    // Adopting a box again replaces its link, which changes nothing.
    addSubclass(edit, &textBoxProc, kTextBoxSubclass, 0);
}

} // namespace win32gui
