#pragma once

// Tells screen readers what just happened, on the control that has the focus:
// Orca and NVDA speak changes of the focused object, and nothing else.

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace qtgui {

class Announcer final : public QObject {
public:
    // Speaks on the focused control of window, which must outlive it.
    explicit Announcer(QWidget& window);

    // Speaks text once the event being handled is over, on the control that
    // has the focus then: an arrow key in an option group selects the next
    // option before it moves the focus there. Of several texts told within
    // one event, the last is spoken.
    void announce(const QString& text);

private:
    // Until Qt 6.8 the widget's description carries the text for as long
    // as the widget keeps the focus; then the widget gets its own back.
    void speak(QWidget* widget, const QString& text);
    void giveBack();

    QWidget& window_;
    QString pending_;

    QPointer<QWidget> widget_; // carrying a message in its description
    QString own_;              // its own description, given back
};

} // namespace qtgui
