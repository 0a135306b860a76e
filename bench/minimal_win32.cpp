// The yardstick for the Windows program's start-up, idle cost and memory: the
// least a Win32 program can be and still show what the game's timer drives,
// a window with a 522 x 354 client area, one line of Cyrillic text, three
// disabled option buttons and a 100 ms timer that moves the checked one.
// With --fonts it pays for the game's two faces as the game does: the text in
// Times New Roman 12 pt and the buttons in MS Sans Serif 8.25 pt, which the
// system maps onto installed faces.
#include <windows.h>

#include <array>
#include <cwchar>
#include <random>

namespace {

std::array<HWND, 3> marks{};
std::size_t shown = 0;
std::mt19937 random{std::random_device{}()};

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        SendMessageW(marks[shown], BM_SETCHECK, BST_UNCHECKED, 0);
        shown = std::uniform_int_distribution<std::size_t>(0, 2)(random);
        SendMessageW(marks[shown], BM_SETCHECK, BST_CHECKED, 0);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
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

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"MorvetaMinimal";
    RegisterClassExW(&wc);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, 522, 354};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    const HWND window =
        CreateWindowExW(0, wc.lpszClassName, L"Minimal", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
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
    SetTimer(window, 1, 100, nullptr);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
