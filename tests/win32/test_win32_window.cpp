// The Win32 window as a user meets it, in-process under Wine: its styles and
// size at two DPIs, every control's place, colours read back by pixel,
// captions and texts, the keyboard, rounds played with button clicks, typed
// scores, and a long match past 32,767 history lines.
#include "contrast.h"
#include "accessible.h"
#include "game_window.h"
#include "expected_colours.h"
#include "expected_line.h"
#include "expected_places.h"
#include "expected_texts.h"
#include "scripted_random.h"
#include "text.h"
#include "text_box.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>
#include <array>
#include <string>
#include <vector>

using testing_support::lineFor;
using testing_support::ScriptedRandom;
using ui::Control;
using win32gui::MorvetaWindow;

namespace {

constexpr COLORREF colorRef(ui::Rgb c) { return RGB(c.r, c.g, c.b); }
constexpr COLORREF kIdle = colorRef(testing_support::colours::kIdle);
constexpr COLORREF kPick = colorRef(testing_support::colours::kPick);
constexpr COLORREF kPeach = colorRef(testing_support::colours::kPeach);
constexpr COLORREF kComputerFirst = colorRef(testing_support::colours::kComputerFirst);
constexpr COLORREF kWindowBlue = colorRef(testing_support::colours::kWindowBlue);
// IAccessible's id, written out: the import library's IID_IAccessible is a
// thunk, not the id.
constexpr GUID kIAccessible{0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0, 0xAA, 0, 0x38, 0x9B, 0x71}};
constexpr WPARAM kHeld = 0x10000; // with a modifier key: held while another is pressed

// Delivers what is queued, as the program's message loop does.
void pump(HWND dialog)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

std::string textOf(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring wide(std::size_t(length) + 1, L'\0');
    wide.resize(std::size_t(GetWindowTextW(hwnd, wide.data(), length + 1)));
    return win32gui::toUtf8(wide);
}

std::string lineOf(HWND list, int row)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, WPARAM(row), 0);
    if (length == LB_ERR)
        return "<none>";
    std::wstring wide(std::size_t(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, WPARAM(row), LPARAM(wide.data()));
    wide.resize(std::size_t(length));
    return win32gui::toUtf8(wide);
}

// A control's rectangle in its parent's client area.
RECT placeOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

double contrastOf(COLORREF a, COLORREF b)
{
    return ui::contrast({GetRValue(a), GetGValue(a), GetBValue(a)},
                        {GetRValue(b), GetGValue(b), GetBValue(b)});
}

// What an open context menu held, read from the menu's own window: the
// items' texts (empty for a separator) and whether each is enabled.
std::vector<std::pair<std::string, bool>>& shownMenu()
{
    static std::vector<std::pair<std::string, bool>> items;
    return items;
}

void CALLBACK readAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    static int waited = 0;
    const HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup && ++waited < 40)
        return; // not open yet: the timer fires again, for two seconds
    waited = 0;
    KillTimer(nullptr, timer);
    if (!popup) {
        EndMenu(); // whatever menu mode the window is in
        return;
    }
    const auto menu = HMENU(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, UINT(i), text, 128, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
        const bool separator = (state & MF_SEPARATOR) != 0;
        shownMenu().emplace_back(separator ? std::string() : win32gui::toUtf8(text),
                                 !separator && !(state & (MF_GRAYED | MF_DISABLED)));
    }
    EndMenu();
}

// What the window shows: its client area copied from the screen, children included.
class Picture {
public:
    explicit Picture(HWND window) : window_(window)
    {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT client;
        GetClientRect(window, &client);
        const HDC screen = GetDC(window);
        memory_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        old_ = SelectObject(memory_, bitmap_);
        BitBlt(memory_, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    }
    ~Picture()
    {
        SelectObject(memory_, old_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The colour at a point of the window's client area.
    COLORREF pixel(int x, int y) const { return GetPixel(memory_, x, y); }

    // The colour at a point of a control, in the control's client coordinates.
    COLORREF at(HWND control, int x, int y) const
    {
        POINT p{x, y};
        MapWindowPoints(control, window_, &p, 1);
        return GetPixel(memory_, p.x, p.y);
    }

private:
    HWND window_;
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// The shown window with scripted picks.
struct Game {
    Game()
    {
        auto scripted = std::make_unique<ScriptedRandom>();
        random = scripted.get();
        window = std::make_unique<MorvetaWindow>(GetModuleHandleW(nullptr), std::move(scripted));
        REQUIRE(window->valid());
        window->show(SW_SHOWNORMAL);
        pump(hwnd());
    }
    HWND hwnd() const { return window->hwnd(); }
    HWND at(Control c, int i = 0) const { return window->control({c, i}); }
    void click(Control c, int i)
    {
        SendMessageW(at(c, i), BM_CLICK, 0, 0);
        pump(hwnd());
    }
    void tick(int move)
    {
        random->script.push_back(static_cast<game::MoveIndex>(move));
        window->handlers().Timer1_Timer();
    }
    bool checked(Control c, int i) const
    {
        return SendMessageW(at(c, i), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::string score(int i) const { return textOf(at(Control::Rezul, i)); }
    int lines() const { return int(SendMessageW(at(Control::Rezultat), LB_GETCOUNT, 0, 0)); }
    int selected() const { return int(SendMessageW(at(Control::Rezultat), LB_GETCURSEL, 0, 0)); }
    // Presses and releases a key as the message loop delivers it; with
    // key(MODIFIER | kHeld, KEY) the modifier is held down meanwhile.
    void key(WPARAM vk, WPARAM held = 0)
    {
        BYTE state[256] = {};
        if (vk & kHeld) {
            state[vk & 0xFF] = 0x80;
            vk = held;
        }
        SetKeyboardState(state);
        const bool system = vk == VK_F10 || (state[VK_MENU] & 0x80) != 0;
        for (const bool down : {true, false}) {
            const UINT message =
                system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
            MSG m{GetFocus(), message, vk, down ? 1 : LPARAM(0xC0000001u), 0, {}};
            if (!IsDialogMessageW(hwnd(), &m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
            pump(hwnd());
        }
        BYTE none[256] = {};
        SetKeyboardState(none);
    }

    ScriptedRandom* random = nullptr;
    std::unique_ptr<MorvetaWindow> window;
};

} // namespace

TEST_CASE("the window is fixed at 522 x 354 with a caption, a system menu and Close only")
{
    Game g;
    const LONG_PTR style = GetWindowLongPtrW(g.hwnd(), GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
    RECT client;
    GetClientRect(g.hwnd(), &client);
    CHECK(g.window->dpi() == 96);
    CHECK(client.right == 522);
    CHECK(client.bottom == 354);
    CHECK(textOf(g.hwnd()) == "www.morveta.example    камък >  ножица > хартия > камък");
    CHECK(GetClassLongPtrW(g.hwnd(), GCLP_HICON) != 0);
    CHECK(GetClassLongPtrW(g.hwnd(), GCLP_HICONSM) != 0);
}

// Refuses the creation of every window of one class, as a system out of
// window handles or memory would.
struct RefusedClass {
    explicit RefusedClass(const wchar_t* name)
    {
        refused() = name;
        hook = SetWindowsHookExW(WH_CBT, &refuse, nullptr, GetCurrentThreadId());
    }
    ~RefusedClass() { UnhookWindowsHookEx(hook); }
    RefusedClass(const RefusedClass&) = delete;
    RefusedClass& operator=(const RefusedClass&) = delete;

    static std::wstring& refused()
    {
        static std::wstring name;
        return name;
    }
    static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs;
            if (!IS_INTRESOURCE(create->lpszClass) &&
                lstrcmpiW(create->lpszClass, refused().c_str()) == 0)
                return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook;
};

TEST_CASE("a window or control the system refuses leaves no window behind and says so")
{
    for (const wchar_t* refused : {L"MorvetaWindow", L"MorvetaFrame", L"EDIT", L"LISTBOX"}) {
        CAPTURE(win32gui::toUtf8(refused));
        const RefusedClass refusing(refused);
        const MorvetaWindow window(GetModuleHandleW(nullptr));
        CHECK_FALSE(window.valid());
        CHECK(window.hwnd() == nullptr);
        CHECK(FindWindowW(L"MorvetaWindow", nullptr) == nullptr);
    }
    // What the program's message box adds to its own sentence.
    CHECK_FALSE(win32gui::systemMessage(ERROR_NOT_ENOUGH_MEMORY).empty());
    CHECK(win32gui::systemMessage(ERROR_NOT_ENOUGH_MEMORY).back() != L'\n');
}

TEST_CASE("every control stands where the design puts it")
{
    Game g;
    for (const testing_support::ExpectedPlace& p : testing_support::kExpectedPlaces) {
        CAPTURE(ui::controlName(p.control));
        CAPTURE(p.index);
        const HWND control = g.at(p.control, p.index);
        REQUIRE(control != nullptr);
        const RECT r = placeOf(control);
        CHECK(r.left == p.left);
        CHECK(r.top == p.top);
        CHECK(r.right == p.left + p.width);
        CHECK(r.bottom == p.top + p.height);
        const bool inFrame = p.control == Control::Igrach || p.control == Control::Radio;
        const HWND container =
            inFrame ? g.at(p.control == Control::Igrach ? Control::Frame1 : Control::Frame2)
                    : g.hwnd();
        CHECK(GetParent(control) == container);
    }
}

TEST_CASE("at 144 dpi the window and its controls grow by half, fonts too")
{
    Game g;
    RECT suggested;
    GetWindowRect(g.hwnd(), &suggested);
    SendMessageW(g.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    RECT client;
    GetClientRect(g.hwnd(), &client);
    CHECK(client.right == 783);
    CHECK(client.bottom == 531);
    const RECT button = placeOf(g.at(Control::Buton, 0));
    CHECK(button.left == 552);
    CHECK(button.top == 60);
    LOGFONTW font{};
    GetObjectW(HGDIOBJ(SendMessageW(g.at(Control::Buton, 0), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    CHECK(font.lfHeight == -24);
    CHECK(font.lfCharSet == RUSSIAN_CHARSET);

    SendMessageW(g.hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), LPARAM(&suggested));
    GetClientRect(g.hwnd(), &client);
    CHECK(client.right == 522);
    GetObjectW(HGDIOBJ(SendMessageW(g.at(Control::Buton, 0), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    CHECK(font.lfHeight == -16);
}

TEST_CASE("after a change of dpi the history's lines take the new font, the newest whole in view")
{
    Game g;
    const HWND history = g.at(Control::Rezultat);
    for (int round = 0; round < 12; ++round) { // more lines than the list shows
        g.click(Control::Nachalo, 0);
        g.tick(round % 3);
        g.click(Control::Buton, 0);
    }
    RECT suggested;
    GetWindowRect(g.hwnd(), &suggested);
    for (const int dpi : {144, 96, 144}) {
        CAPTURE(dpi);
        SendMessageW(g.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        // A line is as tall as the list's font, as the list measures it when made.
        HDC dc = GetDC(history);
        const HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageW(history, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(history, dc);
        CHECK(SendMessageW(history, LB_GETITEMHEIGHT, 0, 0) == metrics.tmHeight);
        CHECK(SendMessageW(history, LB_GETCURSEL, 0, 0) == 11);
        RECT line{};
        RECT inside{};
        SendMessageW(history, LB_GETITEMRECT, 11, LPARAM(&line));
        GetClientRect(history, &inside);
        CHECK(line.top >= inside.top);
        CHECK(line.bottom <= inside.bottom);
        // The list ends above the rules.
        CHECK(placeOf(history).bottom <= placeOf(g.at(Control::Text1)).top);
    }
}

TEST_CASE("the rules box lays out every line of the rules, each on a line of its own")
{
    Game g;
    const HWND rules = g.at(Control::Text1);
    const std::wstring text = win32gui::toWide(textOf(rules));
    // Each line ends with CR LF; the next one starts on a later line of the box.
    std::vector<LRESULT> starts{0};
    for (std::size_t at = text.find(L"\r\n"); at + 2 < text.size(); at = text.find(L"\r\n", at + 2))
        starts.push_back(SendMessageW(rules, EM_LINEFROMCHAR, at + 2, 0));
    REQUIRE(starts.size() == 5);
    for (std::size_t i = 1; i < starts.size(); ++i)
        CHECK(starts[i] > starts[i - 1]);
    CHECK(SendMessageW(rules, EM_GETLINECOUNT, 0, 0) > starts.back());
}

TEST_CASE("fonts are Times New Roman 12 pt, and MS Sans Serif 8.25 pt for the marks")
{
    Game g;
    LOGFONTW font{};
    GetObjectW(HGDIOBJ(SendMessageW(g.at(Control::Label2, 0), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    CHECK(win32gui::toUtf8(font.lfFaceName) == "Times New Roman");
    CHECK(font.lfHeight == -16);
    CHECK(font.lfWeight == FW_NORMAL);
    CHECK((font.lfPitchAndFamily & 0xF0) == FF_ROMAN);
    GetObjectW(HGDIOBJ(SendMessageW(g.at(Control::Radio, 1), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    CHECK(win32gui::toUtf8(font.lfFaceName) == "MS Sans Serif");
    CHECK(font.lfHeight == -11);
}

TEST_CASE("captions and texts are exact")
{
    Game g;
    for (const auto& expected : testing_support::kExpectedTexts) {
        if (expected.control == Control::Text1)
            continue;
        CAPTURE(testing_support::nameOf(expected.control, expected.index));
        CHECK(textOf(g.at(expected.control, expected.index)) == expected.caption);
    }
    const std::string rules = textOf(g.at(Control::Text1));
    CHECK(rules == testing_support::kExpectedRules);
    const LONG_PTR style = GetWindowLongPtrW(g.at(Control::Text1), GWL_STYLE);
    CHECK((style & (ES_READONLY | ES_MULTILINE | WS_VSCROLL)) ==
          (ES_READONLY | ES_MULTILINE | WS_VSCROLL));
    CHECK((style & ES_AUTOHSCROLL) == 0); // wraps at words
    CHECK((GetWindowLongPtrW(g.at(Control::Rezultat), GWL_STYLE) & LBS_SORT) == 0);
}

TEST_CASE("faces are solid colours, and the frames show the window's")
{
    Game g;
    const Picture picture(g.hwnd());
    struct Row {
        Control control;
        int index;
        int x, y;
        COLORREF colour;
    };
    const std::array<Row, 14> rows{{
        {Control::Buton, 0, 2, 2, kIdle},
        {Control::Buton, 2, 70, 22, kIdle},
        {Control::Nachalo, 0, 2, 2, RGB(0, 255, 0)},
        {Control::Nachalo, 1, 62, 30, RGB(255, 0, 0)},
        {Control::Label2, 0, 1, 1, kPeach},
        {Control::Label2, 1, 63, 23, kPeach},
        {Control::Igrach, 0, 118, 2, kPeach},
        {Control::Igrach, 1, 118, 22, kComputerFirst},
        {Control::Radio, 0, 8, 1, kPick},
        {Control::Radio, 1, 8, 23, kIdle},
        {Control::Radio, 2, 15, 1, kIdle},
        {Control::Rezul, 0, 3, 3, kPeach},
        {Control::Rezul, 1, 58, 20, kPeach},
        {Control::Frame1, 0, 125, 2, kWindowBlue},
    }};
    for (const Row& row : rows) {
        CAPTURE(ui::controlName(row.control));
        CAPTURE(row.index);
        CHECK(picture.at(g.at(row.control, row.index), row.x, row.y) == row.colour);
    }
    // The window itself, and the frame clipping Radio(0) at 17 pixels.
    CHECK(picture.at(g.hwnd(), 250, 45) == kWindowBlue);
    CHECK(picture.at(g.hwnd(), 353, 50) == kWindowBlue);
    CHECK(picture.at(g.hwnd(), 352, 50) == kPick);
}

TEST_CASE("at start-up player first is chosen, no mark is set, and the focus is on Камък")
{
    Game g;
    CHECK(g.checked(Control::Igrach, 0));
    CHECK_FALSE(g.checked(Control::Igrach, 1));
    for (int i = 0; i < 3; ++i) {
        CHECK_FALSE(g.checked(Control::Radio, i));
        CHECK_FALSE(IsWindowEnabled(g.at(Control::Radio, i)));
    }
    CHECK(GetFocus() == g.at(Control::Buton, 0));
    CHECK(g.window->timerEnabled());
    CHECK(g.random->restarts == 1);
    CHECK(g.lines() == 0);
}

TEST_CASE("each tick of the timer moves exactly one mark; a stopped timer's tick is dropped")
{
    Game g;
    CHECK(g.window->timerEnabled());
    const auto tick = [&] { SendMessageW(g.hwnd(), WM_TIMER, 1, 0); };
    for (const int pick : {2, 0, 1}) {
        g.random->script.push_back(static_cast<game::MoveIndex>(pick));
        tick();
        CHECK(game::toInt(g.window->handlers().computerChoice()) == pick);
        for (int i = 0; i < 3; ++i)
            CHECK(g.checked(Control::Radio, i) == (i == pick));
        const Picture picture(g.hwnd());
        CHECK(picture.at(g.at(Control::Radio, pick), 8, 1) == kPick);
        CHECK(picture.at(g.at(Control::Radio, (pick + 1) % 3), 8, 1) == kIdle);
    }

    // A move click stops it: a tick already on its way changes nothing.
    g.click(Control::Buton, 0);
    CHECK_FALSE(g.window->timerEnabled());
    const int draws = g.random->draws;
    tick();
    CHECK(g.random->draws == draws);
    g.click(Control::Nachalo, 0);
    CHECK(g.window->timerEnabled());
    tick();
    CHECK(g.random->draws == draws + 1);
}

TEST_CASE("enabling a running timer keeps its rhythm")
{
    Game g;
    // A tick come due waits until the loop takes it; setting the running
    // timer again would restart its interval and take the tick back.
    Sleep(DWORD(2 * ui::kTimerIntervalMs));
    MSG due;
    REQUIRE(PeekMessageW(&due, g.hwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE));
    g.window->setTimerEnabled(true);
    CHECK(PeekMessageW(&due, g.hwnd(), WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

TEST_CASE("rounds played with clicks in both modes")
{
    Game g;
    SUBCASE("player first: the computer answers with the beating move")
    {
        g.tick(0);
        g.click(Control::Buton, 0);
        CHECK(game::toInt(g.window->handlers().computerChoice()) == 2);
        CHECK(g.checked(Control::Radio, 2));
        REQUIRE(g.lines() == 1);
        CHECK(lineOf(g.at(Control::Rezultat), 0) == lineFor(2, 0));
        CHECK(g.selected() == 0);
        CHECK(g.score(0) == "0");
        CHECK(g.score(1) == "2");
        const Picture picture(g.hwnd());
        CHECK(picture.at(g.at(Control::Buton, 0), 3, 3) == kPeach);
        CHECK(picture.at(g.at(Control::Buton, 1), 3, 3) == kIdle);
        CHECK(picture.at(g.at(Control::Radio, 2), 8, 1) == kPick);
    }
    SUBCASE("computer first: the marked move plays, and a second click records nothing")
    {
        g.click(Control::Igrach, 1);
        CHECK(g.window->handlers().firstMover() == std::optional<std::int16_t>(1));
        const Picture recoloured(g.hwnd());
        CHECK(recoloured.at(g.at(Control::Rezul, 1), 3, 3) == kComputerFirst);
        g.tick(1);
        g.click(Control::Buton, 0);
        CHECK(lineOf(g.at(Control::Rezultat), 0) == lineFor(1, 0));
        CHECK(g.score(0) == "2");
        CHECK(g.score(1) == "0");
        g.click(Control::Buton, 2);
        CHECK(g.lines() == 1);
        CHECK(g.score(0) == "2");
        CHECK(game::toInt(g.window->handlers().computerChoice()) == 1);

        g.click(Control::Nachalo, 0);
        const Picture picture(g.hwnd());
        CHECK(picture.at(g.at(Control::Buton, 0), 3, 3) == kIdle);
        g.click(Control::Nachalo, 1);
        CHECK(g.lines() == 0);
        CHECK(g.score(0) == "0");
        g.click(Control::Igrach, 0);
        const Picture back(g.hwnd());
        CHECK(back.at(g.at(Control::Rezul, 0), 3, 3) == kPeach);
    }
}

TEST_CASE("typed and pasted scores of any text keep the game running")
{
    Game g;
    g.click(Control::Igrach, 1);
    SUBCASE("typed Cyrillic, then digits")
    {
        const HWND box = g.at(Control::Rezul, 0);
        SetFocus(box);
        SendMessageW(box, EM_SETSEL, 0, -1);
        for (const wchar_t c : std::wstring(L"пет 12"))
            SendMessageW(box, WM_CHAR, WPARAM(c), 1);
        CHECK(g.score(0) == "пет 12");
        g.tick(0);
        g.click(Control::Buton, 2);
        CHECK(g.score(0) == "2");
        CHECK(g.score(1) == "0");
    }
    SUBCASE("a pasted megabyte of digits stops at 32,767, and an invalid surrogate")
    {
        const std::wstring huge(1 << 20, L'9');
        SendMessageW(g.at(Control::Rezul, 0), EM_SETSEL, 0, -1);
        SendMessageW(g.at(Control::Rezul, 0), EM_REPLACESEL, TRUE, LPARAM(huge.c_str()));
        CHECK(GetWindowTextLengthW(g.at(Control::Rezul, 0)) == 32767);
        const wchar_t broken[] = {L'7', wchar_t(0xD800), L'x', 0};
        SetWindowTextW(g.at(Control::Rezul, 1), broken);
        g.tick(2);
        g.click(Control::Buton, 1);
        CHECK(g.score(0) == "1.7976931348623157e+308");
        CHECK(g.score(1) == "7");
        g.click(Control::Nachalo, 0);
        CHECK(g.window->timerEnabled());
    }
    SUBCASE("the Windows C runtime reads and writes like Linux")
    {
        SetWindowTextW(g.at(Control::Rezul, 0), L" - 1 . 5 e 2 ");
        SetWindowTextW(g.at(Control::Rezul, 1), L"0.1");
        g.tick(1);
        g.click(Control::Buton, 0);
        CHECK(g.score(0) == "-148");
        CHECK(g.score(1) == "0.1");
    }
}

TEST_CASE("the keyboard: Tab order, Space, arrows, and Enter and Esc do nothing")
{
    Game g;
    const std::array<HWND, 11> order{
        g.at(Control::Buton, 0),   g.at(Control::Buton, 1), g.at(Control::Buton, 2),
        g.at(Control::Nachalo, 0), g.at(Control::Rezultat), g.at(Control::Igrach, 0),
        g.at(Control::Rezul, 0),   g.at(Control::Rezul, 1), g.at(Control::Nachalo, 1),
        g.at(Control::Text1),      g.at(Control::Buton, 0)};
    REQUIRE(GetFocus() == order[0]);
    for (std::size_t i = 1; i < order.size(); ++i) {
        CAPTURE(i);
        g.key(VK_TAB);
        CHECK(GetFocus() == order[i]);
    }

    // Enter and Esc: no default or cancel button, and nothing closes the
    // window, at any stop (a multi-line box would close it on Escape).
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        CAPTURE(i);
        SetFocus(order[i]);
        g.key(VK_RETURN);
        g.key(VK_ESCAPE);
        REQUIRE(IsWindow(g.hwnd()));
        CHECK(GetFocus() == order[i]);
        CHECK(g.lines() == 0);
        CHECK(g.window->timerEnabled());
    }
    SetFocus(order[0]);

    // Space presses the focused button.
    g.tick(1);
    g.key(VK_SPACE);
    CHECK(g.lines() == 1);
    CHECK_FALSE(g.window->timerEnabled());

    // The arrows choose who plays first, like a click.
    SetFocus(g.at(Control::Igrach, 0));
    g.key(VK_DOWN);
    CHECK(g.checked(Control::Igrach, 1));
    CHECK(g.window->handlers().firstMover() == std::optional<std::int16_t>(1));
    CHECK(g.lines() == 0);
    // Tab now stops on the chosen option only.
    SetFocus(g.at(Control::Rezultat));
    g.key(VK_TAB);
    CHECK(GetFocus() == g.at(Control::Igrach, 1));
    g.key(VK_UP);
    CHECK(g.window->handlers().firstMover() == std::optional<std::int16_t>(0));
    // Left and Right as Down and Up.
    g.key(VK_RIGHT);
    CHECK(GetFocus() == g.at(Control::Igrach, 1));
    CHECK(g.window->handlers().firstMover() == std::optional<std::int16_t>(1));
    g.key(VK_LEFT);
    CHECK(g.checked(Control::Igrach, 0));
    CHECK(g.window->handlers().firstMover() == std::optional<std::int16_t>(0));
}

TEST_CASE("the focused button shows a focus frame that stands out from its face")
{
    Game g;
    g.key(VK_TAB); // the keyboard has been used: focus cues show
    SetFocus(g.at(Control::Buton, 0));
    pump(g.hwnd());
    const auto strongest = [&](Control c, int i, COLORREF face) {
        const Picture picture(g.hwnd());
        double best = 1.0;
        for (int x = 4; x < 60; ++x)
            best = std::max(best, contrastOf(picture.at(g.at(c, i), x, 4), face));
        return best;
    };
    CHECK(strongest(Control::Buton, 0, kIdle) >= 3.0);
    CHECK(strongest(Control::Buton, 1, kIdle) == 1.0);
    SetFocus(g.at(Control::Nachalo, 0));
    pump(g.hwnd());
    CHECK(strongest(Control::Nachalo, 0, RGB(0, 255, 0)) >= 3.0);
    CHECK(strongest(Control::Buton, 0, kIdle) == 1.0);
}

TEST_CASE("a button draws its focus frame only where the system shows focus cues")
{
    // Windows hides focus cues until the keyboard is used and then tells
    // owner-drawn buttons with ODS_NOFOCUSRECT; Wine keeps no such state, so
    // the button is asked to draw as Windows would ask it.
    Game g;
    const HWND button = g.at(Control::Buton, 1);
    RECT r;
    GetClientRect(button, &r);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(r.right, r.bottom, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const auto framed = [&](UINT state) {
        DRAWITEMSTRUCT item{
            ODT_BUTTON, UINT(GetDlgCtrlID(button)), 0, ODA_DRAWENTIRE, state, button, dc, r, 0};
        SendMessageW(g.hwnd(), WM_DRAWITEM, WPARAM(item.CtlID), LPARAM(&item));
        for (int x = 6; x < r.right - 6; ++x)
            if (GetPixel(dc, x, 4) != kIdle)
                return true;
        return false;
    };
    CHECK(framed(ODS_FOCUS));
    CHECK_FALSE(framed(ODS_FOCUS | ODS_NOFOCUSRECT));
    CHECK_FALSE(framed(0));
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

TEST_CASE("every Tab stop shows its focus at 3:1 against its own face, in any scheme")
{
    // A high-contrast scheme: light text on black, as Windows' own.
    const std::array<int, 6> elements{COLOR_WINDOW,  COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                      COLOR_BTNTEXT, COLOR_HIGHLIGHT,  COLOR_HIGHLIGHTTEXT};
    const std::array<COLORREF, 6> highContrast{0, 0xFFFFFF, 0, 0xFFFFFF, RGB(26, 235, 255), 0};
    std::array<COLORREF, 6> saved{};
    for (std::size_t i = 0; i < elements.size(); ++i)
        saved[i] = GetSysColor(elements[i]);
    for (const bool contrastScheme : {false, true}) {
        CAPTURE(contrastScheme);
        if (contrastScheme)
            SetSysColors(int(elements.size()), elements.data(), highContrast.data());
        Game g;
        g.key(VK_TAB);               // the keyboard has been used
        g.click(Control::Igrach, 1); // magenta score boxes
        // The strongest contrast against the face among the pixels that the
        // focus changes, and how many change at 3:1 or more.
        const auto focusContrast = [&](HWND control, COLORREF face) {
            SetFocus(control == g.at(Control::Buton, 1) ? g.at(Control::Buton, 2)
                                                        : g.at(Control::Buton, 1));
            pump(g.hwnd());
            const Picture before(g.hwnd());
            SetFocus(control);
            pump(g.hwnd());
            const Picture after(g.hwnd());
            RECT r;
            GetWindowRect(control, &r);
            MapWindowPoints(HWND_DESKTOP, g.hwnd(), reinterpret_cast<POINT*>(&r), 2);
            double best = 1.0;
            int strong = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    if (before.pixel(x, y) != after.pixel(x, y)) {
                        const double c = contrastOf(after.pixel(x, y), face);
                        best = std::max(best, c);
                        strong += c >= 3.0;
                    }
            return std::pair<double, int>(best, strong);
        };
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        struct Stop {
            const char* name;
            HWND control;
            COLORREF face;
            bool textBox; // shows a frame, not only its one-pixel caret
        };
        const std::array<Stop, 8> stops{{
            {"Buton(1)", g.at(Control::Buton, 1), kIdle, false},
            {"Nachalo(0)", g.at(Control::Nachalo, 0), RGB(0, 255, 0), false},
            {"Nachalo(1)", g.at(Control::Nachalo, 1), RGB(255, 0, 0), false},
            {"Igrach(1)", g.at(Control::Igrach, 1), kComputerFirst, false},
            {"Rezul(0)", g.at(Control::Rezul, 0), kComputerFirst, true},
            {"Rezul(1)", g.at(Control::Rezul, 1), kComputerFirst, true},
            {"empty Rezultat", g.at(Control::Rezultat), window, false},
            {"Text1", g.at(Control::Text1), window, true},
        }};
        for (const Stop& stop : stops) {
            CAPTURE(stop.name);
            const auto [contrast, strong] = focusContrast(stop.control, stop.face);
            CHECK(contrast >= 3.0);
            if (stop.textBox) {
                RECT box;
                GetWindowRect(stop.control, &box);
                CHECK(strong >= box.right - box.left);
            }
        }
        // A selected line in the history: the focus still changes what shows.
        g.tick(0);
        g.click(Control::Buton, 1);
        REQUIRE(g.selected() == 0);
        CHECK(focusContrast(g.at(Control::Rezultat), GetSysColor(COLOR_HIGHLIGHT)).first >= 3.0);
    }
    SetSysColors(int(elements.size()), elements.data(), saved.data());
}

TEST_CASE("the focus comes back to its control when the window is activated again")
{
    Game g;
    // Another window takes the activation, as when the user switches to
    // another program, and gives it back.
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                       0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(other);
    SetFocus(g.at(Control::Buton, 1));
    SetActiveWindow(other);
    pump(g.hwnd());
    CHECK(GetActiveWindow() == other);
    CHECK(GetFocus() != g.at(Control::Buton, 1));
    SetActiveWindow(g.hwnd());
    pump(g.hwnd());
    CHECK(GetFocus() == g.at(Control::Buton, 1));
    // Space on it plays the round.
    g.tick(2);
    g.key(VK_SPACE);
    CHECK(g.lines() == 1);
    // Focus handed to the window itself passes on too.
    SetFocus(g.hwnd());
    CHECK(GetFocus() == g.at(Control::Buton, 1));
    DestroyWindow(other);
}

TEST_CASE("text boxes: Ctrl+A selects all, and Tab into the rules selects nothing")
{
    Game g;
    const auto selection = [](HWND edit) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        return std::pair<DWORD, DWORD>(start, end);
    };
    const HWND score = g.at(Control::Rezul, 0);
    const HWND rules = g.at(Control::Text1);
    SetWindowTextW(score, L"123");
    for (const HWND box : {score, rules}) {
        SetFocus(box);
        SendMessageW(box, EM_SETSEL, 1, 1);
        g.key(VK_CONTROL | kHeld, 'A');
        const auto [start, end] = selection(box);
        CHECK(start == 0);
        CHECK(end == DWORD(GetWindowTextLengthW(box)));
        CHECK(textOf(score) == "123"); // and nothing typed
    }
    SendMessageW(rules, EM_SETSEL, 0, 0);
    SetFocus(g.at(Control::Nachalo, 1));
    g.key(VK_TAB);
    REQUIRE(GetFocus() == rules);
    const auto [start, end] = selection(rules);
    CHECK(start == end);
    CHECK(SendMessageW(rules, EM_GETFIRSTVISIBLELINE, 0, 0) == 0);
}

TEST_CASE("the text boxes' context menu is the game's own, in Bulgarian")
{
    Game g;
    using Items = std::vector<std::pair<std::string, bool>>; // text ("" a separator), enabled
    const std::vector<std::string> edit{"&Отмяна\tCtrl+Z",
                                        "",
                                        "&Изрязване\tCtrl+X",
                                        "&Копиране\tCtrl+C",
                                        "&Поставяне\tCtrl+V",
                                        "Изтриване",
                                        "",
                                        "Избиране на всичко\tCtrl+A"};
    const std::vector<std::string> rules{"&Копиране\tCtrl+C", "", "Избиране на всичко\tCtrl+A"};
    const auto items = [](const std::vector<std::string>& texts, const char* enabled) {
        Items out;
        for (std::size_t i = 0; i < texts.size(); ++i)
            out.emplace_back(texts[i], enabled[i] == '1');
        return out;
    };
    struct Case {
        const char* how;
        Control control;
        bool allSelected;
        Items items;
    };
    // With an empty clipboard and nothing to undo.
    const std::vector<Case> cases{
        {"right click in a score box", Control::Rezul, false, items(edit, "00000001")},
        {"the Menu key in a score box, all selected", Control::Rezul, true,
         items(edit, "00110100")},
        {"Shift+F10 in the rules", Control::Text1, false, items(rules, "001")},
    };
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    for (const Case& c : cases) {
        const std::string how = c.how;
        CAPTURE(how);
        const HWND box = g.at(c.control);
        SetFocus(box);
        SendMessageW(box, EM_SETSEL, 0, c.allSelected ? -1 : 0);
        shownMenu().clear();
        SetTimer(nullptr, 0, 50, &readAndCloseMenu);
        if (how.rfind("right click", 0) == 0) {
            SendMessageW(box, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
            SendMessageW(box, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        } else if (how.find("Menu key") != std::string::npos) {
            g.key(VK_APPS);
        } else {
            g.key(VK_SHIFT | kHeld, VK_F10);
        }
        CHECK(shownMenu() == c.items);
    }
}

// Delivers the window's messages until done holds: a reader's calls into
// the window's objects are served on the window's thread.
template <typename Done> void serveUntil(HWND window, Done done)
{
    while (!done()) {
        pump(window);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A screen reader's side: a thread with an apartment of its own, as a reader's
// process has, that asks while the window's thread goes on with its messages,
// and hands back what `reading` returns. No assertion runs on it: doctest's
// keep a thread_local stream, and mingw-w64's static runtime frees a thread's
// thread_local storage before it destroys what lives there, so a stream used
// on a second thread is written to after it is freed as that thread ends.
template <typename Reading> auto readOnAnotherThread(HWND window, Reading reading)
{
    std::atomic<bool> done{false};
    decltype(reading()) result{};
    std::thread reader([&] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        result = reading();
        CoUninitialize(); // lets go of its proxies through the window's thread
        done = true;
    });
    serveUntil(window, [&] { return done.load(); });
    reader.join();
    return result;
}

VARIANT selfId()
{
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::string readText(IAccessible* acc,
                     HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, BSTR*),
                     VARIANT child)
{
    BSTR text = nullptr;
    std::string utf8 = "<none>";
    if ((acc->*getter)(child, &text) == S_OK && text)
        utf8 = win32gui::toUtf8(text);
    SysFreeString(text);
    return utf8;
}

IAccessible* objectOf(HWND control)
{
    IAccessible* acc = nullptr;
    if (AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), kIAccessible,
                                   reinterpret_cast<void**>(&acc)) != S_OK)
        return nullptr;
    return acc;
}

// What a reader learnt of one control through its object.
struct Heard {
    bool found = false;
    std::string name;
    std::string description;
    std::string value;
    HRESULT roleResult = E_FAIL;
    LONG role = 0;
    HRESULT windowResult = E_FAIL;
    HWND window = nullptr;
};

Heard hear(HWND control)
{
    Heard heard;
    IAccessible* acc = objectOf(control);
    if (!acc)
        return heard;
    const VARIANT self = selfId();
    heard.found = true;
    heard.name = readText(acc, &IAccessible::get_accName, self);
    heard.description = readText(acc, &IAccessible::get_accDescription, self);
    heard.value = readText(acc, &IAccessible::get_accValue, self);
    VARIANT role{};
    heard.roleResult = acc->get_accRole(self, &role);
    heard.role = role.vt == VT_I4 ? role.lVal : 0;
    heard.windowResult = WindowFromAccessibleObject(acc, &heard.window);
    acc->Release();
    return heard;
}

TEST_CASE("a screen reader on another thread reads each control's name, role and description")
{
    // The program as shipped: its start-up alone prepares COM on its thread.
    Game g;
    g.tick(1);
    g.click(Control::Buton, 0); // a line in the history
    const auto& rows = testing_support::kExpectedTexts;
    std::vector<HWND> controls;
    for (const auto& row : rows)
        controls.push_back(g.at(row.control, row.index));
    const std::vector<Heard> heard = readOnAnotherThread(g.hwnd(), [&] {
        std::vector<Heard> all;
        for (const HWND control : controls)
            all.push_back(hear(control));
        return all;
    });
    REQUIRE(heard.size() == rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        CAPTURE(testing_support::nameOf(row.control, row.index));
        REQUIRE(heard[i].found);
        CHECK(heard[i].name == row.name);
        if (row.description[0] != 0)
            CHECK(heard[i].description == row.description);
        CHECK(heard[i].roleResult == S_OK);
        // The frames are groups; the rest have the system's role.
        switch (row.control) {
        case Control::Frame1:
        case Control::Frame2: CHECK(heard[i].role == ROLE_SYSTEM_GROUPING); break;
        case Control::Rezul:
        case Control::Text1: CHECK(heard[i].role == ROLE_SYSTEM_TEXT); break;
        case Control::Buton:
        case Control::Nachalo: CHECK(heard[i].role == ROLE_SYSTEM_PUSHBUTTON); break;
        case Control::Igrach:
        case Control::Radio: CHECK(heard[i].role == ROLE_SYSTEM_RADIOBUTTON); break;
        default: break;
        }
        if (row.control == Control::Rezul)
            CHECK(heard[i].value == g.score(row.index));
        CHECK(heard[i].windowResult == S_OK);
        CHECK(heard[i].window == controls[i]);
    }
}

TEST_CASE("every interface a control's object hands out leads back to that object")
{
    Game g;
    constexpr GUID kIUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    constexpr std::array<GUID, 5> others{{
        {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, // IDispatch
        {0x00000114, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, // IOleWindow
        {0x00020404, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}, // IEnumVARIANT
        {0x6D5140C1,
         0x7436,
         0x11CE,
         {0x80, 0x34, 0x00, 0xAA, 0x00, 0x60, 0x09, 0xFA}}, // IServiceProvider
        {0x7852B78D,
         0x1CFD,
         0x41C1,
         {0xA6, 0x15, 0x9C, 0x0C, 0x85, 0x96, 0x0B, 0x5F}}, // IAccIdentity
    }};
    for (const Control c : {Control::Rezultat, Control::Rezul, Control::Frame1, Control::Buton}) {
        CAPTURE(testing_support::nameOf(c, 0));
        IAccessible* acc = objectOf(g.at(c, 0));
        REQUIRE(acc);
        IUnknown* identity = nullptr;
        REQUIRE(acc->QueryInterface(kIUnknown, reinterpret_cast<void**>(&identity)) == S_OK);
        for (const GUID& iid : others) {
            IUnknown* other = nullptr;
            if (acc->QueryInterface(iid, reinterpret_cast<void**>(&other)) != S_OK) {
                CHECK(other == nullptr);
                continue;
            }
            IUnknown* back = nullptr;
            CHECK(other->QueryInterface(kIUnknown, reinterpret_cast<void**>(&back)) == S_OK);
            CHECK(back == identity);
            // And the object reached again through it names the control as ours does.
            IAccessible* again = nullptr;
            if (other->QueryInterface(kIAccessible, reinterpret_cast<void**>(&again)) == S_OK) {
                CHECK(readText(again, &IAccessible::get_accName, selfId()) ==
                      readText(acc, &IAccessible::get_accName, selfId()));
                again->Release();
            }
            if (back)
                back->Release();
            other->Release();
        }
        identity->Release();
        acc->Release();
    }
}

// That readers are told is checked from another process (listen_across);
// here, which control carries the words, and for how long.
// Someone else's link in a control's chain of subclasses: counts the dialog
// code asks that reach it.
LRESULT CALLBACK countingLink(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data)
{
    if (message == WM_GETDLGCODE)
        ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(w, message, wParam, lParam);
}

TEST_CASE("a text box's ways and its naming chain in either order, with any other link")
{
    Game g; // COM joined on this thread, as the program joins it
    for (const bool namedFirst : {true, false}) {
        CAPTURE(namedFirst);
        const HWND box = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE | ES_READONLY, 0,
                                         0, 100, 50, g.hwnd(), nullptr, nullptr, nullptr);
        REQUIRE(box != nullptr);
        int reached = 0;
        if (namedFirst)
            win32gui::nameForScreenReaders(box, L"Правила", L"", 0);
        else
            win32gui::adoptTextBox(box);
        REQUIRE(SetWindowSubclass(box, &countingLink, 7, DWORD_PTR(&reached)));
        if (namedFirst)
            win32gui::adoptTextBox(box);
        else
            win32gui::nameForScreenReaders(box, L"Правила", L"", 0);
        // The rules box's own answer: Tab into it selects nothing.
        CHECK((SendMessageW(box, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) == 0);
        CHECK(reached == 1);
        CHECK(hear(box).name == "Правила");
        CHECK(RemoveWindowSubclass(box, &countingLink, 7));
        CHECK(DestroyWindow(box));
    }
}

TEST_CASE("the focused control describes what just happened until the focus leaves it")
{
    Game g;
    const auto description = [&](Control c, int i) {
        IAccessible* acc = objectOf(g.at(c, i));
        REQUIRE(acc);
        const std::string text = readText(acc, &IAccessible::get_accDescription, selfId());
        acc->Release();
        return text;
    };
    struct Step {
        const char* name;
        Control focus;
        int index;
        WPARAM key;
        Control speaks; // the focused control after the key
        int speaksIndex;
        const char* said;
    };
    const std::array<Step, 3> steps{{
        {"Space on Камък", Control::Buton, 0, VK_SPACE, Control::Buton, 0,
         "Играч: Камък, компютър: Хартия. Загуба. Играч 0, компютър 2."},
        {"the computer first", Control::Igrach, 0, VK_DOWN, Control::Igrach, 1,
         "Компютърът играе първи. Резултатът и историята са изчистени."},
        {"Tab from the option", Control::Igrach, 1, VK_TAB, Control::Rezul, 0, "<none>"},
    }};
    g.tick(1);
    for (const Step& step : steps) {
        CAPTURE(step.name);
        SetFocus(g.at(step.focus, step.index));
        g.key(step.key);
        REQUIRE(GetFocus() == g.at(step.speaks, step.speaksIndex));
        CHECK(description(step.speaks, step.speaksIndex) == step.said);
    }
    // The controls left behind describe themselves again.
    CHECK(description(Control::Buton, 0) == "<none>");
    CHECK(description(Control::Igrach, 1) == "Компютърът играе първи");
}

TEST_CASE("a long match: 40,000 rounds past 32,767 lines, the newest selected")
{
    Game g;
    g.click(Control::Igrach, 1);
    // Wine draws a shown list's scroll bar synchronously, in about 4 ms a
    // change: the rounds are played with the window hidden, which changes
    // nothing for the list but its drawing, and it is shown again at the end.
    ShowWindow(g.hwnd(), SW_HIDE);
    for (int round = 0; round < 40000; ++round) {
        const int computer = round % 3;
        const int player = (round / 3) % 3;
        g.tick(computer);
        g.window->handlers().Buton_Click(player);
        g.window->handlers().Nachalo_Click(0);
        if (round % 1000 == 999)
            pump(g.hwnd());
        if (round == 32767)
            CHECK(g.selected() == 32767);
    }
    ShowWindow(g.hwnd(), SW_SHOW);
    pump(g.hwnd());
    CHECK(g.lines() == 40000);
    CHECK(g.selected() == 39999);
    // The newest line is in view.
    const auto top = SendMessageW(g.at(Control::Rezultat), LB_GETTOPINDEX, 0, 0);
    CHECK(top > 39990);
    CHECK(top <= 39999);
    CHECK(lineOf(g.at(Control::Rezultat), 39999) == lineFor(39999 % 3, (39999 / 3) % 3));
    CHECK(std::stod(g.score(0)) + std::stod(g.score(1)) == 80000);
}
