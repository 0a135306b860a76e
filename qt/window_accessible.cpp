#include "window_accessible.h"

#include "controls.h"
#include "game_window.h"
#include "title_bar.h"

#include <QAccessibleWidget>

namespace qtgui {

namespace {

QAccessibleInterface* topLevelFactory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (w && w->isWindow() && (dynamic_cast<MorvetaWindow*>(w) || dynamic_cast<TitledWindow*>(w)))
        return new QAccessibleWidget(w, QAccessible::Window);
    return nullptr;
}

QAccessibleInterface* frameFactory(const QString&, QObject* object)
{
    auto* frame = dynamic_cast<Frame*>(object);
    return frame ? new QAccessibleWidget(frame, QAccessible::Grouping) : nullptr;
}

} // namespace

void registerWindowAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(topLevelFactory);
        QAccessible::installFactory(frameFactory);
        return true;
    }();
    (void)installed;
}

} // namespace qtgui
