// The game on a Wayland compositor that leaves title bars to its clients
// (weston, as GNOME does): run by wayland/run.sh against a headless weston.
// The program draws its own bar, with Close only, and nothing a user does to
// it can ask the compositor to maximise, minimise or resize the window.
#include "probe.h"
#include "title_bar.h"
#include "top_level.h"
#include "top_level.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client-core.h>

using qtgui::TitledWindow;

class TestWayland : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { top.reset(); }

    void runsNativelyAtAFixedSizeUnderItsOwnTitleBar();
    void barOffersOnlyClose();
    void clicksOnTheBarKeepTheWindowAsItIs_data();
    void clicksOnTheBarKeepTheWindowAsItIs();

private:
    TitledWindow& titled() const { return *static_cast<TitledWindow*>(top.get()); }
    // Sends what the window has queued and waits until the compositor has
    // answered all of it: a client that broke the protocol is disconnected
    // here, and its process ends.
    static void roundTrip();
    std::unique_ptr<QWidget> top;
};

void TestWayland::roundTrip()
{
    QCoreApplication::processEvents();
    auto* display = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    QVERIFY(display);
    QVERIFY(wl_display_roundtrip(display) >= 0);
    QCoreApplication::processEvents();
}

void TestWayland::init()
{
    top = qtgui::makeTopLevelWindow();
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top.get()));
}

void TestWayland::runsNativelyAtAFixedSizeUnderItsOwnTitleBar()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY(dynamic_cast<TitledWindow*>(top.get()));
    QVERIFY(top->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(top->windowTitle(), titled().game().windowTitle());
    // The game whole under the bar, within a one-pixel border, and no more.
    const int bar = titled().titleBar().height();
    QVERIFY(bar >= 24);
    QCOMPARE(titled().game().size(), QSize(522, 354));
    QCOMPARE(titled().game().mapTo(top.get(), QPoint(0, 0)), QPoint(1, 1 + bar));
    QCOMPARE(top->minimumSize(), QSize(524, 354 + bar + 2));
    QCOMPARE(top->maximumSize(), top->minimumSize());
}

void TestWayland::barOffersOnlyClose()
{
    const auto buttons = titled().titleBar().findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons[0]->accessibleName(), QStringLiteral("Затвори"));
    QCOMPARE(buttons[0]->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    QVERIFY(!top->isVisible());
}

void TestWayland::clicksOnTheBarKeepTheWindowAsItIs_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("twice");
    // A double-click maximises on some desktops; a right-click opens a
    // window menu with Maximise and Minimise on others.
    QTest::newRow("double-click") << Qt::LeftButton << true;
    QTest::newRow("right-click") << Qt::RightButton << false;
    QTest::newRow("press and release") << Qt::LeftButton << false;
}

void TestWayland::clicksOnTheBarKeepTheWindowAsItIs()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, twice);
    const QSize size = top->size();
    QWidget& bar = titled().titleBar();
    const QPoint middle(bar.width() / 2, bar.height() / 2);
    if (twice)
        QTest::mouseDClick(&bar, button, {}, middle);
    else
        QTest::mouseClick(&bar, button, {}, middle);
    roundTrip();
    top->update();
    roundTrip();
    QCOMPARE(top->windowHandle()->windowStates(), Qt::WindowStates(Qt::WindowNoState));
    QCOMPARE(top->size(), size);
    QVERIFY(top->isVisible());
}

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
