#pragma once

#include <thread>

namespace ui::qt {

// Fonts are prepared on threads of their own while the program starts; the
// main thread waits only for what it needs that is not ready yet (Qt's font
// database is thread-safe).

// Reads the system's font configuration (its files and caches) while the
// application connects to the display. Call before the application object
// is made; the thread uses no Qt. Does nothing where Qt does not use
// fontconfig.
std::jthread startReadingFontConfiguration();

// Fills Qt's font database and finds the application font's face while the
// window is built. Call once the application object exists, and let the
// thread end before it goes.
std::jthread startFillingFontDatabase();

} // namespace ui::qt
