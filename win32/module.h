#pragma once

// Functions of system libraries found by name at run time: those that older
// Windows versions lack, and those of libraries that only some runs need.

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

} // namespace win32gui
