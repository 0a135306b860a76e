#include "game_window.h"

#include "accessible.h"
#include "contrast.h"
#include "text.h"
#include "text_box.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace ui::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"MorvetaWindow";
constexpr wchar_t kFrameClass[] = L"MorvetaFrame";
constexpr UINT_PTR kTimerId = 1;
constexpr int kFirstControlId = 100; // clear of IDOK and IDCANCEL, which the dialog keys send
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kIconResource = 1;
constexpr WPARAM kScoreLimit = 32767;

COLORREF toColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

Rgb fromColorRef(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

// Functions of newer Windows versions, looked up so that older ones still run
// the program at the system's DPI.
template <typename Function> Function user32(const char* name)
{
    const HMODULE module = GetModuleHandleW(L"user32.dll");
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

int systemDpi()
{
    using GetDpiForSystemFn = UINT(WINAPI*)();
    if (const auto get = user32<GetDpiForSystemFn>("GetDpiForSystem"))
        return int(get());
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int windowDpi(HWND hwnd)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto get = user32<GetDpiForWindowFn>("GetDpiForWindow");
    const int dpi = get ? int(get(hwnd)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

// The outer size of a window whose client area is the design's at dpi.
SIZE outerSize(int dpi)
{
    RECT r{0, 0, ui::toPixels(kClientArea.width, dpi), ui::toPixels(kClientArea.height, dpi)};
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = user32<AdjustFn>("AdjustWindowRectExForDpi"))
        adjust(&r, kWindowStyle, FALSE, 0, UINT(dpi));
    else
        AdjustWindowRectEx(&r, kWindowStyle, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

HFONT makeFont(const FontEntry& entry, int dpi)
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
    return CreateFontIndirectW(&font);
}

// The system's text colour, or black or white where it would not stand out
// from the face at 3:1, as under a dark or high-contrast scheme.
COLORREF readableText(Rgb face, int systemColour)
{
    return toColorRef(textColourOn(face, fromColorRef(GetSysColor(systemColour))));
}

bool isClick(int code) { return code == BN_CLICKED || code == BN_DOUBLECLICKED; }

std::size_t positionOf(Control control, int index)
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].control == control && kControls[i].index == index)
            return i;
    return kControls.size();
}

HICON loadIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return HICON(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                            GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

// Registers a window class once per process; withIcon gives it the program's icon.
void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, bool withIcon)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, name, &wc))
        return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    if (withIcon) {
        wc.hIcon = loadIcon(instance, SM_CXICON, SM_CYICON);
        wc.hIconSm = loadIcon(instance, SM_CXSMICON, SM_CYSMICON);
    }
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

} // namespace

MorvetaWindow::MorvetaWindow(HINSTANCE instance, std::unique_ptr<app::RandomSource> random)
    : random_(random ? std::move(random) : std::make_unique<app::ClockRandom>()),
      handlers_(*this, *random_)
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].colour)
            slots_[i].colour = kControls[i].colour;
        else if (kControls[i].control == Control::Rezul)
            slots_[i].colour = fromColorRef(GetSysColor(COLOR_WINDOW));
        if (slots_[i].colour)
            slots_[i].brush = CreateSolidBrush(toColorRef(*slots_[i].colour));
    }

    registerClass(instance, kWindowClass, &MorvetaWindow::windowProc, true);
    registerClass(instance, kFrameClass, &MorvetaWindow::frameProc, false);
    const int dpi = systemDpi();
    const SIZE size = outerSize(dpi);
    const std::wstring caption = toWide(kWebAddress) + toWide(kCaptionTail);
    hwnd_ = CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, this);
    if (!hwnd_)
        return;
    createControls(instance);
    applyDpi(windowDpi(hwnd_));
    fitClientArea(nullptr);
    setTimerEnabled(true);
    handlers_.Form_Load();
}

MorvetaWindow::~MorvetaWindow()
{
    if (hwnd_ && IsWindow(hwnd_)) {
        endsProgram_ = false;
        DestroyWindow(hwnd_);
    }
    for (Slot& s : slots_)
        if (s.brush)
            DeleteObject(s.brush);
    for (HGDIOBJ object : {HGDIOBJ(windowFont_), HGDIOBJ(radioFont_), HGDIOBJ(windowBrush_)})
        if (object)
            DeleteObject(object);
}

void MorvetaWindow::show(int showCommand)
{
    if (!hwnd_)
        return;
    // Focus cues stay hidden until the keyboard is used, unless the user
    // has asked Windows to show them always.
    BOOL alwaysShown = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    if (!alwaysShown)
        SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                     0);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(control({Control::Buton, 0}));
}

void MorvetaWindow::createControls(HINSTANCE instance)
{
    // Children are created in tab order: the dialog keys move through them
    // in the order they were made. Frames come before their options.
    std::array<std::size_t, kControls.size()> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return kControls[a].tabIndex < kControls[b].tabIndex;
    });

    for (const std::size_t i : order) {
        const ControlEntry& entry = kControls[i];
        HWND parent = hwnd_;
        if (const auto frame = containerOf(entry.control))
            parent = slots_[positionOf(*frame, 0)].hwnd;

        const wchar_t* windowClass = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        std::wstring text = toWide(entry.caption);
        switch (entry.control) {
        case Control::Label2:
            windowClass = L"STATIC";
            style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_GROUP;
            break;
        case Control::Frame1:
        case Control::Frame2:
            windowClass = kFrameClass;
            style |= WS_CLIPCHILDREN | WS_GROUP;
            exStyle |= WS_EX_CONTROLPARENT;
            break;
        case Control::Igrach:
            style |= BS_AUTORADIOBUTTON | (entry.index == 0 ? WS_GROUP : 0);
            break;
        case Control::Radio: style |= BS_RADIOBUTTON | WS_DISABLED | WS_GROUP; break;
        case Control::Buton:
        case Control::Nachalo: style |= BS_OWNERDRAW | WS_TABSTOP | WS_GROUP; break;
        case Control::Rezul:
            windowClass = L"EDIT";
            style |= ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case Control::Rezultat:
            windowClass = L"LISTBOX";
            // Unsorted: LBS_STANDARD would sort the lines.
            style |= WS_VSCROLL | LBS_NOINTEGRALHEIGHT | WS_TABSTOP | WS_GROUP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case Control::Text1:
            windowClass = L"EDIT";
            style |=
                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
            exStyle |= WS_EX_CLIENTEDGE;
            text = toWide(kRulesText);
            break;
        }
        slots_[i].hwnd =
            CreateWindowExW(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, parent,
                            HMENU(INT_PTR(kFirstControlId + int(i))), instance, nullptr);
    }
    // Typing and pasting stop at 32,767 characters, as in the Qt program; the
    // number reader takes any text.
    for (int i = 0; i < arraySize(Control::Rezul); ++i)
        SendMessageW(control({Control::Rezul, i}), EM_SETLIMITTEXT, kScoreLimit, 0);
    SendMessageW(control({Control::Igrach, 0}), BM_SETCHECK, BST_CHECKED, 0);
    updateTabStops();
    for (const HWND box :
         {control({Control::Rezul, 0}), control({Control::Rezul, 1}), control({Control::Text1, 0})})
        adoptTextBox(box);
    // Screen readers get the names the Qt program gives; a caption alone
    // names a button or an option only by what it shows.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlEntry& entry = kControls[i];
        if (entry.spokenName.empty() && entry.description.empty())
            continue;
        const std::string_view name = entry.spokenName.empty() ? entry.caption : entry.spokenName;
        nameForScreenReaders(slots_[i].hwnd, toWide(name), toWide(entry.description));
    }
}

void MorvetaWindow::applyDpi(int dpi)
{
    dpi_ = dpi;
    HFONT oldWindowFont = windowFont_;
    HFONT oldRadioFont = radioFont_;
    windowFont_ = makeFont(kWindowFont, dpi);
    radioFont_ = makeFont(kRadioFont, dpi);
    SendMessageW(hwnd_, WM_SETFONT, WPARAM(windowFont_), FALSE);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Twips& t = kControls[i].rect;
        SetWindowPos(slots_[i].hwnd, nullptr, ui::toPixels(t.left, dpi), ui::toPixels(t.top, dpi),
                     ui::toPixels(t.width, dpi), ui::toPixels(t.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font = kControls[i].control == Control::Radio ? radioFont_ : windowFont_;
        SendMessageW(slots_[i].hwnd, WM_SETFONT, WPARAM(font), TRUE);
    }
    for (HFONT old : {oldWindowFont, oldRadioFont})
        if (old)
            DeleteObject(old);
}

LRESULT CALLBACK MorvetaWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MorvetaWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<MorvetaWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->timerRunning_ = false;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT CALLBACK MorvetaWindow::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A frame is invisible: it shows the window's colour and passes its
    // options' notifications and colour requests on to the window.
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return SendMessageW(top, message, wParam, lParam);
    case WM_ERASEBKGND:
        if (auto* self = reinterpret_cast<MorvetaWindow*>(GetWindowLongPtrW(top, GWLP_USERDATA))) {
            self->fillBackground(hwnd, HDC(wParam));
            return 1;
        }
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void MorvetaWindow::fitClientArea(const POINT* topLeft)
{
    // The border and title bar are what the system draws now, whatever the
    // DPI it was asked about: measure them rather than trust the estimate.
    const int width = ui::toPixels(kClientArea.width, dpi_);
    const int height = ui::toPixels(kClientArea.height, dpi_);
    RECT outer;
    RECT client;
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    const int extraWidth = (outer.right - outer.left) - client.right;
    const int extraHeight = (outer.bottom - outer.top) - client.bottom;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE);
    SetWindowPos(hwnd_, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0,
                 width + extraWidth, height + extraHeight, flags);
}

void MorvetaWindow::fillBackground(HWND hwnd, HDC dc) const
{
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, windowBrush_);
}

LRESULT MorvetaWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: fillBackground(hwnd_, HDC(wParam)); return 1;
    case WM_COMMAND:
        if (lParam != 0)
            onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId && timerRunning_)
            handlers_.Timer1_Timer();
        return 0;
    case WM_DRAWITEM: drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (const HBRUSH brush = colourFor(HWND(lParam), HDC(wParam)))
            return LRESULT(brush);
        break;
    case WM_ACTIVATE:
        // As the dialog manager does: the control that had the focus gets it
        // back when the window is activated again.
        if (LOWORD(wParam) == WA_INACTIVE)
            rememberFocus();
        else if (!HIWORD(wParam))
            restoreFocus();
        return 0;
    case WM_SETFOCUS: restoreFocus(); return 0;
    case WM_NEXTDLGCTL: {
        // A multi-line box asks to pass the focus on when Tab is pressed in it.
        HWND next = lParam ? HWND(wParam) : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
        if (next)
            SetFocus(next);
        return 0;
    }
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
            const POINT at{suggested->left, suggested->top};
            fitClientArea(&at);
        } else {
            fitClientArea(nullptr);
        }
        return 0;
    }
    case WM_DESTROY:
        KillTimer(hwnd_, kTimerId);
        timerRunning_ = false;
        if (endsProgram_)
            PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MorvetaWindow::rememberFocus()
{
    const HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus))
        lastFocus_ = focus;
}

void MorvetaWindow::restoreFocus()
{
    const bool usable = lastFocus_ && IsChild(hwnd_, lastFocus_) && IsWindowEnabled(lastFocus_) &&
                        IsWindowVisible(lastFocus_);
    SetFocus(usable ? lastFocus_ : control({Control::Buton, 0}));
}

void MorvetaWindow::onCommand(int id, int code)
{
    const int position = id - kFirstControlId;
    if (position < 0 || position >= int(kControls.size()) || !isClick(code))
        return;
    const ControlEntry& entry = kControls[std::size_t(position)];
    switch (entry.control) {
    case Control::Buton: handlers_.Buton_Click(entry.index); break;
    case Control::Nachalo: handlers_.Nachalo_Click(entry.index); break;
    case Control::Igrach:
        updateTabStops();
        handlers_.Igrach_Click(entry.index);
        break;
    default: break;
    }
}

void MorvetaWindow::drawButton(const DRAWITEMSTRUCT& item) const
{
    const ControlEntry* entry = specOf(item.hwndItem);
    if (!entry)
        return;
    const Slot& slot = slots_[std::size_t(entry - kControls.data())];
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    // The whole face in the button's colour, inside a classic raised edge.
    FillRect(dc, &r, slot.brush);
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(std::size_t(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, caption.data(), length + 1);
    caption.resize(std::size_t(length));
    RECT textRect = r;
    if (pressed)
        OffsetRect(&textRect, 1, 1);
    const HGDIOBJ oldFont = SelectObject(dc, windowFont_);
    SetBkMode(dc, TRANSPARENT);
    const COLORREF text = readableText(*slot.colour, COLOR_BTNTEXT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : text);
    DrawTextW(dc, caption.c_str(), length, &textRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);

    // Shown while the button has the focus and the system shows focus cues,
    // as a dotted frame in the caption's colour: DrawFocusRect's inverted
    // dots hardly show on the green faces.
    const bool cuesHidden = (item.itemState & ODS_NOFOCUSRECT) ||
                            (SendMessageW(item.hwndItem, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if ((item.itemState & ODS_FOCUS) && !cuesHidden) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        const LOGBRUSH brush{BS_SOLID, text, 0};
        const HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, focus.left, focus.top, focus.right, focus.bottom);
        SelectObject(dc, oldBrush);
        DeleteObject(SelectObject(dc, oldPen));
    }
}

HBRUSH MorvetaWindow::colourFor(HWND control, HDC dc) const
{
    const ControlEntry* entry = specOf(control);
    if (!entry)
        return nullptr;
    const Slot& slot = slots_[std::size_t(entry - kControls.data())];
    if (!slot.brush) {
        // The rules box is read-only, which would make it grey: it keeps the
        // system's window colour, as the history does.
        if (entry->control != Control::Text1)
            return nullptr;
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    SetBkColor(dc, toColorRef(*slot.colour));
    SetTextColor(dc, readableText(*slot.colour, COLOR_WINDOWTEXT));
    return slot.brush;
}

void MorvetaWindow::updateTabStops()
{
    for (int i = 0; i < arraySize(Control::Igrach); ++i) {
        const HWND option = control({Control::Igrach, i});
        const bool checked = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        SetWindowLongPtrW(option, GWL_STYLE,
                          checked ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

const MorvetaWindow::Slot* MorvetaWindow::find(app::ControlId id) const
{
    const std::size_t i = positionOf(id.control, id.index);
    return i < slots_.size() ? &slots_[i] : nullptr;
}

MorvetaWindow::Slot* MorvetaWindow::find(app::ControlId id)
{
    const std::size_t i = positionOf(id.control, id.index);
    return i < slots_.size() ? &slots_[i] : nullptr;
}

const ControlEntry* MorvetaWindow::specOf(HWND hwnd) const
{
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].hwnd == hwnd)
            return &kControls[i];
    return nullptr;
}

HWND MorvetaWindow::control(app::ControlId id) const
{
    const Slot* s = find(id);
    return s ? s->hwnd : nullptr;
}

Rgb MorvetaWindow::backColor(app::ControlId control) const
{
    const Slot* s = find(control);
    return s && s->colour ? *s->colour : Rgb{};
}

void MorvetaWindow::setBackColor(app::ControlId control, Rgb colour)
{
    Slot* s = find(control);
    if (!s || !s->colour || *s->colour == colour)
        return;
    const HBRUSH brush = CreateSolidBrush(toColorRef(colour));
    if (!brush)
        return;
    DeleteObject(s->brush);
    s->brush = brush;
    s->colour = colour;
    InvalidateRect(s->hwnd, nullptr, TRUE);
}

void MorvetaWindow::setValue(app::ControlId option, bool selected)
{
    if (option.control != Control::Radio && option.control != Control::Igrach)
        return;
    const HWND target = control(option);
    if (!target)
        return;
    // The computer's marks are plain option buttons: the group is kept here.
    // Only a change is sent, since each check mark is redrawn at once.
    const auto check = [](HWND button, bool on) {
        const bool now = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (now != on)
            SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    if (selected)
        for (int i = 0; i < arraySize(option.control); ++i)
            if (const HWND other = control({option.control, i}); other && other != target)
                check(other, false);
    check(target, selected);
    if (option.control == Control::Igrach)
        updateTabStops();
}

std::string MorvetaWindow::text(app::ControlId box) const
{
    if (box.control != Control::Rezul)
        return {};
    const HWND edit = control(box);
    if (!edit)
        return {};
    const int length = GetWindowTextLengthW(edit);
    std::wstring wide(std::size_t(length > 0 ? length : 0) + 1, L'\0');
    const int read = GetWindowTextW(edit, wide.data(), int(wide.size()));
    wide.resize(std::size_t(read > 0 ? read : 0));
    return toUtf8(wide);
}

void MorvetaWindow::setText(app::ControlId box, std::string_view utf8)
{
    if (box.control != Control::Rezul)
        return;
    if (const HWND edit = control(box)) {
        SetWindowTextW(edit, toWide(utf8).c_str());
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    }
}

void MorvetaWindow::appendLine(std::string_view utf8)
{
    SendMessageW(control({Control::Rezultat, 0}), LB_ADDSTRING, 0, LPARAM(toWide(utf8).c_str()));
}

void MorvetaWindow::clearLines()
{
    SendMessageW(control({Control::Rezultat, 0}), LB_RESETCONTENT, 0, 0);
}

std::int64_t MorvetaWindow::lineCount() const
{
    const LRESULT count = SendMessageW(control({Control::Rezultat, 0}), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : std::int64_t(count);
}

void MorvetaWindow::selectLine(std::int64_t index)
{
    const bool inList = index >= 0 && index < lineCount();
    SendMessageW(control({Control::Rezultat, 0}), LB_SETCURSEL, inList ? WPARAM(index) : WPARAM(-1),
                 0);
}

void MorvetaWindow::setTimerEnabled(bool enabled)
{
    if (!hwnd_ || enabled == timerRunning_)
        return; // SetTimer on a running timer would restart its interval
    if (enabled)
        timerRunning_ = SetTimer(hwnd_, kTimerId, UINT(kTimerIntervalMs), nullptr) != 0;
    else {
        // A tick already queued finds the timer off and is dropped.
        KillTimer(hwnd_, kTimerId);
        timerRunning_ = false;
    }
}

} // namespace ui::win32
