// bench/long-match for the Windows program: 40,000 rounds with the window
// hidden. Wine draws a shown list's scroll bar at every change, in about
// 4 ms, which would measure Wine rather than the game.
#include "game_window.h"
#include "long_match.h"

#include <windows.h>

int main()
{
    win32gui::MorvetaWindow window(GetModuleHandleW(nullptr));
    if (!window.valid())
        return 1;
    const auto pump = [&] {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageW(window.hwnd(), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
    };
    bench::playLongMatch(window.handlers(), 40'000, pump);
    return 0;
}
