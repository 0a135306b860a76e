#pragma once

// Functions of system libraries found by name at run time: those that older
// Windows versions lack, and those of libraries that only some runs need.
// Such libraries come from the system folder alone: a library that is not
// one of Windows' KnownDLLs is otherwise looked for in the program's own
// folder first, where a file of its name may have been put by anyone.

#include <windows.h>

#include <bit>
#include <type_traits>

namespace win32gui {

// The function `name` of `module` as a `Function`; null where either is missing.
template <typename Function> Function procedureOf(HMODULE module, const char* name)
{
    static_assert(std::is_pointer_v<Function> &&
                  std::is_function_v<std::remove_pointer_t<Function>>);
    return module ? std::bit_cast<Function>(GetProcAddress(module, name)) : nullptr;
}

// The system library `name` (with its own imports) from the system folder
// alone; null where it cannot be had so, as on a Windows 7 without
// KB2533623, which knows no such search: the program then runs without it.
inline HMODULE systemLibrary(const wchar_t* name)
{
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace win32gui
