#include "announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && defined(MORVETA_ATSPI)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#endif

namespace qtgui {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && defined(MORVETA_ATSPI)
// Qt before 6.8 sends a description change over AT-SPI with the changed
// object where the new text belongs, and Orca drops it as bad content. The
// event as AT-SPI defines it goes out from the object's own path, on the
// connection Qt's bridge opened to the accessibility bus (none while no
// reader listens).
void sendDescriptionChange(QWidget* widget, const QString& text)
{
    if (!QAccessible::isActive())
        return;
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || !iface)
        return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(iface));
    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0
          << QVariant::fromValue(QDBusVariant(text)) << QVariantMap();
    bus.send(event);
}
#endif

} // namespace

Announcer::Announcer(QWidget& window) : window_(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old && old == widget_)
            giveBack();
    });
}

void Announcer::giveBack()
{
    if (widget_)
        widget_->setAccessibleDescription(own_);
    widget_ = nullptr;
    own_.clear();
}

void Announcer::announce(const QString& text)
{
    const bool queued = !pending_.isNull();
    pending_ = text;
    if (queued)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            // The window's last focused control, also while another window is active.
            QWidget* focus = window_.focusWidget();
            speak(focus ? focus : &window_, pending_);
            pending_ = QString();
        },
        Qt::QueuedConnection);
}

void Announcer::speak(QWidget* widget, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(widget, text);
    QAccessible::updateAccessibility(&event);
#else
    if (widget != widget_) {
        giveBack();
        widget_ = widget;
        own_ = widget->accessibleDescription();
    }
    widget->setAccessibleDescription(text);
#if defined(MORVETA_ATSPI)
    sendDescriptionChange(widget, text);
#endif
#endif
}

} // namespace qtgui
