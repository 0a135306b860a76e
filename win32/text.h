#pragma once

// Text crosses between the game (UTF-8) and Win32 (UTF-16) here.

#include <string>
#include <string_view>

namespace win32gui {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

// The system's description of an error code, such as GetLastError's, without
// its closing line break; empty where the system has none.
std::wstring systemMessage(unsigned long code);

} // namespace win32gui
