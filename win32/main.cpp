#include "game_window.h"
#include "module.h"
#include "text.h"

#include <windows.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

// Where the window cannot be made, the user is told, with the system's words
// for the cause.
void reportStartFailure(DWORD error)
{
    std::wstring text = L"Прозорецът на играта не може да бъде създаден.";
    if (const std::wstring cause = win32gui::systemMessage(error); !cause.empty())
        text += L"\n\n" + cause;
    MessageBoxW(nullptr, text.c_str(), L"Морвета", MB_OK | MB_ICONERROR);
}

// Running out of memory anywhere ends the program with a message, as any other
// run-time error does, before an exception could unwind through the system's
// frames of a window procedure.
void outOfMemory() { FatalAppExitW(0, L"Морвета: няма достатъчно памет."); }

// Libraries that the system's own code loads by name on the program's behalf
// (a screen reader's or an input method's helpers) come from the system
// folder too, never from the program's: where the zip was unpacked, anyone
// may have left a file of such a name. Windows 7 without KB2533623 lacks
// the call.
void searchOnlyTheSystemFolder()
{
    using SetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    if (const auto set = win32gui::procedureOf<SetDefaultDllDirectories>(
            GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories"))
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace

// An uncaught exception ends the program at once. GCC's own handler would
// first print the exception's demangled type on a console that a windowed
// program has not, and brings the demangler in: a sixth of the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

// Named as windows.h declares it; the game takes no command line.
int WINAPI wWinMain(HINSTANCE hInstance, [[maybe_unused]] HINSTANCE hPrevInstance,
                    [[maybe_unused]] LPWSTR lpCmdLine, int nShowCmd)
{
    searchOnlyTheSystemFolder();
    std::set_new_handler(outOfMemory);
    win32gui::MorvetaWindow window(hInstance);
    if (!window.valid()) {
        reportStartFailure(window.failure());
        return 1;
    }
    window.endProgramOnClose();
    window.show(nShowCmd);

    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        // Tab, the arrows in the option group and Space on a button work as in a dialog.
        if (!IsDialogMessageW(window.hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // A message loop that broke off (-1) is a failure, not a quit.
    return got < 0 ? 1 : int(message.wParam);
}
