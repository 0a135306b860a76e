#include "controls.h"

#include "accessible.h"
#include "contrast.h"
#include "module.h"
#include "text.h"
#include "text_box.h"

#include <cassert>
#include <cmath>
#include <string>
#include <string_view>

namespace win32gui {

using ui::Control;
using ui::kControls;
using ui::Rgb;

namespace {

// Clear of IDOK and IDCANCEL, which the dialog keys send: a control's id is
// this plus its row in the table.
constexpr int kFirstControlId = 100;
// Typing and pasting into a score box stop at this many characters; the
// number reader takes any text.
constexpr WPARAM kMaxScoreTextLength = 32767;

COLORREF toColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

Rgb fromColorRef(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

// Functions of newer Windows versions, looked up so that older ones still run
// the program at the system's DPI.
template <typename Function> Function user32(const char* name)
{
    return procedureOf<Function>(GetModuleHandleW(L"user32.dll"), name);
}

int systemDpi()
{
    using GetDpiForSystemFn = UINT(WINAPI*)();
    if (const auto get = user32<GetDpiForSystemFn>("GetDpiForSystem"))
        return int(get());
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

Font makeFont(const ui::FontEntry& entry, int dpi)
{
    LOGFONTW font{};
    // Points to pixels, in hundredths so that 8.25 pt stays exact.
    font.lfHeight = -MulDiv(int(std::lround(entry.pointSize * 100)), dpi, 7200);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    // Without the family bits, a system that lacks the face may pick one of
    // the other kind.
    font.lfPitchAndFamily = BYTE(VARIABLE_PITCH | (entry.serif ? FF_ROMAN : FF_SWISS));
    const std::wstring face = toWide(entry.families[0]);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

// The system's text colour, or black or white where it would not stand out
// from the face at 3:1, as under a dark or high-contrast scheme.
COLORREF readableText(Rgb face, int systemColour)
{
    return toColorRef(ui::textColourOn(face, fromColorRef(GetSysColor(systemColour))));
}

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetAncestor(frame, GA_ROOT), message, wParam, lParam);
    default: return DefWindowProcW(frame, message, wParam, lParam);
    }
}

// The controls that are EDITs: the score boxes and the rules.
bool isTextBox(Control control)
{
    return kindOf(control).windowClass == std::wstring_view(L"EDIT");
}

// Names for screen readers on every control: any of them may hold the focus
// when the game has something to say.
void nameForScreenReaders(HWND control, const ui::ControlEntry& entry)
{
    win32gui::nameForScreenReaders(control, toWide(ui::spokenNameOf(entry)),
                                   toWide(entry.description), kindOf(entry.control).role);
}

// Where the system could make no font of the design's, its own.
HFONT orSystemFont(const Font& font)
{
    return font ? font.get() : HFONT(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int icon)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, name, &wc))
        return true;
    // The icon at a size the system asks for; null where there is none (the
    // class then shows the system's).
    const auto loadIcon = [&](int widthMetric, int heightMetric) {
        return icon ? HICON(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), 0))
                    : nullptr;
    };
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = loadIcon(SM_CXICON, SM_CYICON);
    wc.hIconSm = loadIcon(SM_CXSMICON, SM_CYSMICON);
    wc.hbrBackground = CreateSolidBrush(toColorRef(ui::kWindowColour));
    wc.lpszClassName = name;
    if (!wc.hbrBackground || !RegisterClassExW(&wc)) {
        const DWORD error = GetLastError();
        for (const HICON loaded : {wc.hIcon, wc.hIconSm})
            if (loaded)
                DestroyIcon(loaded);
        if (wc.hbrBackground)
            DeleteObject(wc.hbrBackground);
        SetLastError(error);
        return false;
    }
    return true;
}

int dpiOf(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get = user32<GetDpiForWindowFn>("GetDpiForWindow");
    const int dpi = get ? int(get(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

bool ControlWindows::create(HWND window, HINSTANCE instance)
{
    if (!registerWindowClass(instance, kFrameClass, &frameProc, 0))
        return false;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ui::ControlEntry& entry = kControls[row];
        if (entry.face != ui::Face::Painted)
            continue;
        const Rgb colour = entry.colour.value_or(fromColorRef(GetSysColor(COLOR_WINDOW)));
        faces_[row].colour = colour;
        faces_[row].brush.reset(CreateSolidBrush(toColorRef(colour)));
        if (!faces_[row].brush)
            return false;
    }

    // Frames come before their options in tab order, so the options find
    // their parent made.
    for (const std::size_t row : ui::kTabOrder) {
        const ui::ControlEntry& entry = kControls[row];
        const auto frame = ui::containerOf(entry.control);
        const HWND parent = frame ? (*this)[{*frame, 0}] : window;
        const ControlKind kind = kindOf(entry.control);
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
        if (entry.control == Control::Igrach && entry.index == 0)
            style |= WS_GROUP;
        const auto start = ui::optionStart(entry);
        if (start && !start->enabled)
            style |= WS_DISABLED;
        // A text box takes its text once it has its font (fillTextBoxes).
        const bool box = isTextBox(entry.control);
        const std::wstring text = box ? std::wstring() : toWide(entry.caption);
        // A child's id travels where a top-level window's menu would.
        const auto id = HMENU(INT_PTR(kFirstControlId + int(row)));
        windows_[row] = CreateWindowExW(kind.exStyle, kind.windowClass, text.c_str(), style, 0, 0,
                                        0, 0, parent, id, instance, nullptr);
        if (!windows_[row])
            return false;
        if (start && start->selected)
            SendMessageW(windows_[row], BM_SETCHECK, BST_CHECKED, 0);
        if (entry.control == Control::Rezul)
            SendMessageW(windows_[row], EM_SETLIMITTEXT, kMaxScoreTextLength, 0);
    }
    keepTabStopOnSelectedOption();
    return true;
}

void ControlWindows::adoptControls()
{
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (isTextBox(kControls[row].control))
            adoptTextBox(windows_[row]);
        nameForScreenReaders(windows_[row], kControls[row]);
    }
}

std::optional<std::size_t> ControlWindows::rowOfId(UINT id) const
{
    if (id < UINT(kFirstControlId) || id - kFirstControlId >= kControls.size())
        return std::nullopt;
    return std::size_t(id - kFirstControlId);
}

std::optional<std::size_t> ControlWindows::rowOf(HWND control) const
{
    const auto row = rowOfId(UINT(GetDlgCtrlID(control)));
    return row && windows_[*row] == control ? row : std::nullopt;
}

void ControlWindows::fillTextBoxes()
{
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ui::ControlEntry& entry = kControls[row];
        if (!isTextBox(entry.control))
            continue;
        const std::wstring text =
            toWide(entry.control == Control::Text1 ? ui::kRulesText : entry.caption);
        SetWindowTextW(windows_[row], text.c_str());
    }
}

void ControlWindows::applyDpi(int dpi)
{
    dpi_ = dpi;
    // The fonts the controls hold now go once each control has its new one.
    Font windowFont = makeFont(ui::kWindowFont, dpi);
    Font radioFont = makeFont(ui::kRadioFont, dpi);
    const HFONT text = orSystemFont(windowFont);
    const HFONT marks = radioFont ? radioFont.get() : text;
    // Each control takes its font before its new size, so that it lays
    // itself out for both (frames draw no text).
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        if (std::wstring_view(kindOf(kControls[row].control).windowClass) != kFrameClass) {
            const HFONT font = kControls[row].control == Control::Radio ? marks : text;
            SendMessageW(windows_[row], WM_SETFONT, WPARAM(font), TRUE);
        }
        const ui::Twips& t = kControls[row].rect;
        SetWindowPos(windows_[row], nullptr, ui::toPixels(t.left, dpi), ui::toPixels(t.top, dpi),
                     ui::toPixels(t.width, dpi), ui::toPixels(t.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    windowFont_ = std::move(windowFont);
    radioFont_ = std::move(radioFont);
    keepSelectedLineInView();
}

void ControlWindows::keepSelectedLineInView()
{
    // A list box measures its lines again for a new font but keeps its
    // scrolling: the selected line, the newest, is brought into view again.
    const HWND history = (*this)[{Control::Rezultat, 0}];
    if (const LRESULT selected = SendMessageW(history, LB_GETCURSEL, 0, 0); selected != LB_ERR)
        SendMessageW(history, LB_SETCURSEL, WPARAM(selected), 0);
}

std::optional<Rgb> ControlWindows::faceColour(std::size_t row) const
{
    return row < faces_.size() ? faces_[row].colour : std::nullopt;
}

void ControlWindows::paintFace(std::size_t row, Rgb colour)
{
    if (row >= faces_.size() || !faces_[row].colour || faces_[row].colour == colour)
        return;
    Brush brush(CreateSolidBrush(toColorRef(colour)));
    if (!brush)
        return; // the face keeps the colour it shows
    faces_[row] = {colour, std::move(brush)};
    InvalidateRect(windows_[row], nullptr, TRUE);
}

HBRUSH ControlWindows::setColours(HWND control, HDC dc) const
{
    const auto row = rowOf(control);
    if (!row)
        return nullptr;
    const Face& face = faces_[*row];
    if (!face.colour) {
        // The rules box is read-only, which would make it grey: it keeps the
        // system's window colour, as the history does.
        if (kControls[*row].control != Control::Text1)
            return nullptr;
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    SetBkColor(dc, toColorRef(*face.colour));
    SetTextColor(dc, readableText(*face.colour, COLOR_WINDOWTEXT));
    return face.brush.get();
}

void ControlWindows::drawButton(const DRAWITEMSTRUCT& item) const
{
    const auto row = rowOfId(item.CtlID);
    if (!row || windows_[*row] != item.hwndItem)
        return;
    const Face& face = faces_[*row];
    assert(face.colour && "an owner-drawn button without a colour of its own");
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    // The whole face in the button's colour, inside a classic raised edge.
    FillRect(dc, &r, face.brush.get());
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(std::size_t(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, caption.data(), length + 1);
    caption.resize(std::size_t(length));
    RECT textRect = r;
    if (pressed)
        OffsetRect(&textRect, 1, 1);
    const HGDIOBJ oldFont = SelectObject(dc, orSystemFont(windowFont_));
    SetBkMode(dc, TRANSPARENT);
    const COLORREF text = readableText(face.colour.value_or(Rgb{}), COLOR_BTNTEXT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : text);
    DrawTextW(dc, caption.c_str(), length, &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);

    // Shown while the button has the focus and the system shows focus cues.
    const bool cuesHidden = (item.itemState & ODS_NOFOCUSRECT) ||
                            (SendMessageW(item.hwndItem, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if ((item.itemState & ODS_FOCUS) && !cuesHidden) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        drawDottedFrame(dc, focus, text);
    }
}

void ControlWindows::keepTabStopOnSelectedOption() const
{
    for (int i = 0; i < ui::arraySize(Control::Igrach); ++i) {
        const HWND option = (*this)[{Control::Igrach, i}];
        const bool checked = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        SetWindowLongPtrW(option, GWL_STYLE,
                          checked ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

} // namespace win32gui
