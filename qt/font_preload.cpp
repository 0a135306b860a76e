#include "font_preload.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#if MORVETA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ui::qt {

std::jthread startReadingFontConfiguration()
{
#if MORVETA_FONTCONFIG
    // Qt's first font lookup calls FcInit() too, and finds the work done.
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}

std::jthread startFillingFontDatabase()
{
    return std::jthread([] {
        QFontDatabase::families();
        // A line edit lays its text out in the application's font before it
        // takes its own; finding that font's face here fills the shared
        // caches the main thread's lookup then reads.
        (void)QFontInfo(QFont()).family();
    });
}

} // namespace ui::qt
