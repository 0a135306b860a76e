#pragma once

#include <thread>

namespace qtgui {

// Starts reading the system's font configuration (its files and font
// caches) on a thread of its own, so that it overlaps the connection to the
// display; join it before the first font is used. Where Qt does not use
// fontconfig there is nothing to read, and no thread (not joinable).
std::jthread startReadingFontConfiguration();

} // namespace qtgui
