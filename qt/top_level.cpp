#include "top_level.h"

#include "game_window.h"
#include "title_bar.h"
#include "wayland_decorations.h"

#include <QGuiApplication>

namespace qtgui {

WaylandStart howWaylandStarts()
{
    return qEnvironmentVariableIsSet("WAYLAND_SOCKET") ? WaylandStart::OverSocket
                                                       : WaylandStart::ByName;
}

bool needsOwnTitleBar(WaylandStart start)
{
    if (!QGuiApplication::platformName().startsWith(QStringLiteral("wayland")))
        return false;
    // A compositor that cannot be asked gets the bar that is always right:
    // a second one at worst, never Qt's with Maximise.
    return start == WaylandStart::OverSocket || !compositorOffersTitleBars();
}

std::unique_ptr<QWidget> makeTopLevelWindow(WaylandStart start)
{
    if (needsOwnTitleBar(start))
        return std::make_unique<TitledWindow>();
    return std::make_unique<MorvetaWindow>();
}

} // namespace qtgui
