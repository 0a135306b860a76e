#pragma once

// Text crosses between the game (UTF-8) and Win32 (UTF-16) here.

#include <string>
#include <string_view>

namespace ui::win32 {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace ui::win32
