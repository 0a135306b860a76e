#include "game_window.h"

#include "text.h"

#include <string>

namespace win32gui {

using ui::Control;

namespace {

constexpr wchar_t kWindowClass[] = L"MorvetaWindow";
constexpr UINT_PTR kTimerId = 1;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kIconResource = 1;

bool isClick(int code) { return code == BN_CLICKED || code == BN_DOUBLECLICKED; }

} // namespace

MorvetaWindow::MorvetaWindow(HINSTANCE instance, std::unique_ptr<app::RandomSource> random)
    : random_(random ? std::move(random) : std::make_unique<app::ClockRandom>()),
      handlers_(*this, *random_)
{
    if (!create(instance)) {
        failure_ = GetLastError();
        if (hwnd_)
            DestroyWindow(hwnd_);
        return;
    }
    setTimerEnabled(true);
    handlers_.Form_Load();
}

bool MorvetaWindow::create(HINSTANCE instance)
{
    if (!registerWindowClass(instance, kWindowClass, &MorvetaWindow::windowProc, kIconResource))
        return false;
    const std::wstring caption = toWide(ui::kCaption);
    // Sized by fitClientArea once the controls know the window's DPI.
    if (!CreateWindowExW(0, kWindowClass, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         this) ||
        !controls_.create(hwnd_, instance))
        return false;
    controls_.applyDpi(dpiOf(hwnd_));
    controls_.fillTextBoxes();
    fitClientArea(nullptr);
    return true;
}

MorvetaWindow::~MorvetaWindow()
{
    if (hwnd_ && IsWindow(hwnd_)) {
        endsProgram_ = false;
        DestroyWindow(hwnd_);
    }
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
    controls_.adoptControls();
    SetFocus(control({Control::Buton, 0}));
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

void MorvetaWindow::fitClientArea(const POINT* topLeft)
{
    // The border and title bar are what the system draws now, whatever the
    // DPI: measure them rather than estimate them.
    const int width = ui::toPixels(ui::kClientArea.width, controls_.dpi());
    const int height = ui::toPixels(ui::kClientArea.height, controls_.dpi());
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

LRESULT MorvetaWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0)
            onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId && timerRunning_)
            handlers_.Timer1_Timer();
        return 0;
    case WM_DRAWITEM:
        controls_.drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (const HBRUSH brush = controls_.setColours(HWND(lParam), HDC(wParam)))
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
        controls_.applyDpi(HIWORD(wParam));
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

void MorvetaWindow::onCommand(UINT id, int code)
{
    const auto row = controls_.rowOfId(id);
    if (!row || !isClick(code))
        return;
    const ui::ControlEntry& entry = ui::kControls[*row];
    handlers_.clicked({entry.control, entry.index});
}

ui::Rgb MorvetaWindow::faceColourAt(std::size_t row) const
{
    return controls_.faceColour(row).value_or(ui::Rgb{});
}

void MorvetaWindow::paintFaceAt(std::size_t row, ui::Rgb colour)
{
    controls_.paintFace(row, colour);
}

void MorvetaWindow::selectOptionAt(std::size_t row, bool selected)
{
    const HWND target = controls_.at(row);
    // Only a change is sent, since each check mark is redrawn at once.
    const bool now = SendMessageW(target, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now != selected)
        SendMessageW(target, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
    if (ui::kControls[row].control == Control::Igrach)
        controls_.keepTabStopOnSelectedOption();
}

std::string MorvetaWindow::scoreTextAt(std::size_t row) const
{
    const HWND edit = controls_.at(row);
    const int length = GetWindowTextLengthW(edit);
    std::wstring wide(std::size_t(length > 0 ? length : 0) + 1, L'\0');
    const int read = GetWindowTextW(edit, wide.data(), int(wide.size()));
    wide.resize(std::size_t(read > 0 ? read : 0));
    return toUtf8(wide);
}

void MorvetaWindow::setScoreTextAt(std::size_t row, std::string_view utf8)
{
    const HWND edit = controls_.at(row);
    SetWindowTextW(edit, toWide(utf8).c_str());
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
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
        timerRunning_ = SetTimer(hwnd_, kTimerId, UINT(ui::kTimerIntervalMs), nullptr) != 0;
    else {
        // A tick already queued finds the timer off and is dropped.
        KillTimer(hwnd_, kTimerId);
        timerRunning_ = false;
    }
}

void MorvetaWindow::announce(std::string_view utf8)
{
    // The focused control, or while another window is active the one that
    // gets the focus back.
    HWND focus = GetFocus();
    if (!focus || !IsChild(hwnd_, focus))
        focus =
            lastFocus_ && IsChild(hwnd_, lastFocus_) ? lastFocus_ : control({Control::Buton, 0});
    announceOn(focus, toWide(utf8));
}

} // namespace win32gui
