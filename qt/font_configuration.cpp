#include "font_configuration.h"

#if MORVETA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace qtgui {

std::jthread startReadingFontConfiguration()
{
#if MORVETA_FONTCONFIG
    // Qt's first font lookup calls FcInit() too, and finds the work done.
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}

} // namespace qtgui
