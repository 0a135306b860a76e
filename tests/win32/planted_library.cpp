// A library that leaves a mark when it runs: tools/windows-checks puts it
// beside the program under the name of each system library the program
// loads at run time, and finds "<its path>.ran" where any of them ran. It
// imports Windows' own libraries alone, so that it loads wherever it lies.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    wchar_t mark[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(self, mark, MAX_PATH);
    if (reason != DLL_PROCESS_ATTACH || length == 0 || length >= MAX_PATH)
        return TRUE;
    lstrcatW(mark, L".ran");
    const HANDLE file =
        CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return TRUE;
}
