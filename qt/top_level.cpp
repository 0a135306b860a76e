#include "top_level.h"

#include "game_window.h"
#include "title_bar.h"
#include "wayland_decorations.h"

#include <QGuiApplication>

namespace qtgui {

bool needsOwnTitleBar()
{
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) &&
           !compositorOffersTitleBars();
}

std::unique_ptr<QWidget> makeTopLevelWindow()
{
    if (needsOwnTitleBar())
        return std::make_unique<TitledWindow>();
    return std::make_unique<MorvetaWindow>();
}

} // namespace qtgui
