// The yardstick for the Windows program's start-up, idle cost and memory: the
// least a Win32 program can be and still show what the game's timer drives,
// a window with a 522 x 354 client area, one line of Cyrillic text, three
// disabled option buttons and a 100 ms timer that moves the checked one.
// With --fonts it pays for the game's two faces as the game does: the text in
// Times New Roman 12 pt and the buttons in MS Sans Serif 8.25 pt, which the
// system maps onto installed faces.
// With --window it makes the game's very window and nothing else: the same
// nineteen child windows with the same classes, styles and fonts, their faces
// in the design's solid colours, and the timer moving the pick's colour from
// one mark to the next; no game, no subclassing, no names for readers, no
// focus or menu handling.
#include "controls.h"
#include "layout.h"

#include <windows.h>

#include <array>
#include <cwchar>
#include <random>

namespace {

std::array<HWND, 3> marks{};
std::size_t shown = 0;
std::mt19937 random{std::random_device{}()};

// --window: every control by the layout table's row, and the brush of each
// face that has a colour.
std::array<HWND, ui::kControls.size()> controls{};
std::array<HBRUSH, ui::kControls.size()> faces{};
std::array<HBRUSH, 2> markBrushes{}; // idle, pick

COLORREF colorRef(ui::Rgb c) { return RGB(c.r, c.g, c.b); }

std::size_t rowOf(HWND control)
{
    const auto id = std::size_t(GetDlgCtrlID(control));
    return id >= 100 && id - 100 < controls.size() ? id - 100 : controls.size();
}

LRESULT colourFace(HWND control, HDC dc)
{
    const std::size_t row = rowOf(control);
    if (row >= faces.size() || !faces[row])
        return 0;
    const auto& colour = ui::kControls[row].colour;
    SetBkColor(dc, colour ? colorRef(*colour) : GetSysColor(COLOR_WINDOW));
    return LRESULT(faces[row]);
}

void drawButton(const DRAWITEMSTRUCT& item)
{
    const std::size_t row = rowOf(item.hwndItem);
    if (row >= faces.size())
        return;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, faces[row]);
    DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    wchar_t caption[32] = {};
    GetWindowTextW(item.hwndItem, caption, 32);
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Moves the pick's colour and check from one mark to another.
void movePick()
{
    const std::size_t old = shown;
    shown = std::uniform_int_distribution<std::size_t>(0, 2)(random);
    if (controls[0]) {
        faces[ui::positionOf(ui::Control::Radio, int(old))] = markBrushes[0];
        faces[ui::positionOf(ui::Control::Radio, int(shown))] = markBrushes[1];
        InvalidateRect(marks[old], nullptr, TRUE);
        InvalidateRect(marks[shown], nullptr, TRUE);
    }
    SendMessageW(marks[old], BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(marks[shown], BM_SETCHECK, BST_CHECKED, 0);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: movePick(); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (const LRESULT brush = colourFace(HWND(lParam), HDC(wParam)))
            return brush;
        break;
    case WM_DRAWITEM: drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The frames pass their options' messages on to the window.
LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORSTATIC || message == WM_DRAWITEM || message == WM_COMMAND)
        return SendMessageW(GetParent(frame), message, wParam, lParam);
    return DefWindowProcW(frame, message, wParam, lParam);
}

HFONT makeFont(const wchar_t* face, int hundredthsOfPoint, BYTE family)
{
    LOGFONTW font{};
    font.lfHeight = -MulDiv(hundredthsOfPoint, USER_DEFAULT_SCREEN_DPI, 7200);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfPitchAndFamily = BYTE(VARIABLE_PITCH | family);
    std::wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

// The game's window, made from the layout table as the game makes it.
void makeTheGamesWindow(HWND window, HINSTANCE instance)
{
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = frameProc;
    frame.hInstance = instance;
    frame.hbrBackground = CreateSolidBrush(colorRef(ui::kWindowColour));
    frame.lpszClassName = win32gui::kFrameClass;
    RegisterClassExW(&frame);
    markBrushes = {CreateSolidBrush(colorRef(ui::IdleColour)),
                   CreateSolidBrush(colorRef(ui::PickColour))};
    const HFONT text = makeFont(L"Times New Roman", 1200, FF_ROMAN);
    const HFONT small = makeFont(L"MS Sans Serif", 825, FF_SWISS);
    for (const std::size_t row : ui::kTabOrder) {
        const ui::ControlEntry& entry = ui::kControls[row];
        if (entry.face == ui::Face::Painted)
            faces[row] = CreateSolidBrush(entry.colour ? colorRef(*entry.colour)
                                                       : GetSysColor(COLOR_WINDOW));
        const win32gui::ControlKind kind = win32gui::kindOf(entry.control);
        const auto container = ui::containerOf(entry.control);
        const HWND parent = container ? controls[ui::positionOf(*container, 0)] : window;
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
        if (entry.start == ui::Start::Disabled)
            style |= WS_DISABLED;
        const ui::Twips& t = entry.rect;
        const std::string_view utf8 =
            entry.control == ui::Control::Text1 ? ui::kRulesText : entry.caption;
        std::wstring caption(utf8.size() + 1, L'\0');
        caption.resize(std::size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()),
                                                       caption.data(), int(caption.size()))));
        controls[row] = CreateWindowExW(kind.exStyle, kind.windowClass, caption.c_str(), style,
                                        ui::toPixels(t.left, 96), ui::toPixels(t.top, 96),
                                        ui::toPixels(t.width, 96), ui::toPixels(t.height, 96),
                                        parent, HMENU(INT_PTR(100 + int(row))), instance, nullptr);
        if (entry.start == ui::Start::Selected)
            SendMessageW(controls[row], BM_SETCHECK, BST_CHECKED, 0);
        if (std::wstring_view(kind.windowClass) != win32gui::kFrameClass)
            SendMessageW(controls[row], WM_SETFONT,
                         WPARAM(entry.control == ui::Control::Radio ? small : text), FALSE);
    }
    for (int i = 0; i < 3; ++i)
        marks[std::size_t(i)] = controls[ui::positionOf(ui::Control::Radio, i)];
}

// One line of text and the three marks, with the game's faces under --fonts.
void makeFourControls(HWND window, HINSTANCE instance)
{
    const HWND text =
        CreateWindowExW(0, L"STATIC", L"Морвета - камък, ножица, хартия", WS_CHILD | WS_VISIBLE,
                        104, 0, 313, 25, window, nullptr, instance, nullptr);
    for (int i = 0; i < 3; ++i)
        marks[std::size_t(i)] =
            CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_RADIOBUTTON,
                            336, 40 + 32 * i, 17, 25, window, nullptr, instance, nullptr);
    if (std::wcsstr(GetCommandLineW(), L"--fonts")) {
        SendMessageW(text, WM_SETFONT, WPARAM(makeFont(L"Times New Roman", 1200, FF_ROMAN)), FALSE);
        const HFONT small = makeFont(L"MS Sans Serif", 825, FF_SWISS);
        for (const HWND mark : marks)
            SendMessageW(mark, WM_SETFONT, WPARAM(small), FALSE);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    const bool sameWindow = std::wcsstr(GetCommandLineW(), L"--window") != nullptr;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hbrBackground = sameWindow ? CreateSolidBrush(colorRef(ui::kWindowColour))
                                  : GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"MorvetaMinimal";
    RegisterClassExW(&wc);
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (sameWindow ? WS_CLIPCHILDREN : 0);
    RECT r{0, 0, 522, 354};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    const HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"Minimal", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    if (sameWindow)
        makeTheGamesWindow(window, instance);
    else
        makeFourControls(window, instance);
    SetTimer(window, 1, 100, nullptr);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
