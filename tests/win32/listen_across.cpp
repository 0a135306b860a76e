// A screen reader's view of the program as shipped, from another process, as
// NVDA has it: starts morveta.exe, plays by keys posted to its focused
// control, and hears each event through a WinEvent hook and the event's
// object.   listen_across path\to\morveta.exe
#include "text.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> heard;

void CALLBACK onDescriptionChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD,
                                  DWORD)
{
    IAccessible* acc = nullptr;
    VARIANT id{};
    if (AccessibleObjectFromEvent(hwnd, DWORD(object), DWORD(child), &acc, &id) != S_OK)
        return;
    BSTR text = nullptr;
    if (acc->get_accDescription(id, &text) == S_OK && text)
        heard.push_back(win32gui::toUtf8(text));
    SysFreeString(text);
    acc->Release();
}

// Delivers this thread's messages (the hook's calls) until heard has more
// than count entries; false after about twenty seconds, a hang guard.
bool hearMoreThan(std::size_t count)
{
    for (int wait = 0; wait < 2000 && heard.size() <= count; ++wait) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return heard.size() > count;
}

// The game's window: a test in another process may show one of the same class.
HWND windowOf(DWORD process)
{
    struct Search {
        DWORD process;
        HWND found;
    } search{process, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t name[32] = {};
            GetClassNameW(hwnd, name, 32);
            if (owner != s->process || std::wstring_view(name) != L"MorvetaWindow")
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        LPARAM(&search));
    return search.found;
}

HWND focusOf(DWORD thread)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

// A key pressed and released on the control that has the game's focus; Tab
// returns once the focus has moved on (or after about ten seconds).
void press(DWORD thread, WPARAM key)
{
    const HWND focus = focusOf(thread);
    if (!focus)
        return;
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, LPARAM(0xC0000001u));
    for (int wait = 0; key == VK_TAB && focusOf(thread) == focus && wait < 1000; ++wait)
        Sleep(10);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: listen_across path\\to\\morveta.exe\n");
        return 2;
    }
    // Under Wine a Unix path names the root drive's file.
    std::string program = argv[1];
    if (!program.empty() && program[0] == '/')
        program = "Z:" + program;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION game{};
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &start, &game)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", program.c_str(), GetLastError());
        return 1;
    }
    WaitForInputIdle(game.hProcess, 20000);
    HWND window = nullptr;
    for (int wait = 0; !window && wait < 400; ++wait, Sleep(50))
        window = windowOf(game.dwProcessId);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        &onDescriptionChange, game.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);

    struct Step {
        std::vector<WPARAM> keys; // the last one says something
        const char* said;
    };
    const std::vector<Step> steps{
        {{VK_SPACE}, "Играч: Камък, компютър: Хартия. Загуба. Играч 0, компютър 2."},
        {{VK_SPACE}, "Рундът е приключил. Натиснете „Нова“."},
        {{VK_TAB, VK_TAB, VK_TAB, VK_SPACE}, "Нов рунд. Изберете ход."},
        // The history, the options, both scores, Изчисти.
        {{VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_SPACE},
         "Резултатът и историята са изчистени."},
        // The rules, then Хартия after the round that Изчисти left running.
        {{VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_SPACE},
         "Играч: Хартия, компютър: Ножица. Загуба. Играч 0, компютър 2."},
    };
    int failed = 0;
    if (!window || !hook) {
        std::fprintf(stderr, "%s\n", window ? "no WinEvent hook could be set" : "no game window");
        failed = int(steps.size());
    }
    for (std::size_t i = 0; !failed && i < steps.size(); ++i) {
        const std::size_t before = heard.size();
        for (WPARAM key : steps[i].keys)
            press(game.dwThreadId, key);
        if (!hearMoreThan(before)) {
            std::fprintf(stderr, "step %zu: nothing heard\n", i + 1);
            failed = int(steps.size() - i);
            break;
        }
        if (heard.back() != steps[i].said) {
            std::fprintf(stderr, "step %zu: heard \"%s\", not \"%s\"\n", i + 1,
                         heard.back().c_str(), steps[i].said);
            ++failed;
        }
    }
    if (hook)
        UnhookWinEvent(hook);
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(game.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(game.hProcess, 1);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    CoUninitialize();
    std::printf("%d passed, %d failed\n", int(steps.size()) - failed, failed);
    return failed == 0 ? 0 : 1;
}
