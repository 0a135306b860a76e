#pragma once

// Helpers for tests that look at the real window as a user would.

#include "controls.h"
#include "expected_colours.h"
#include "expected_line.h"
#include "game_window.h"
#include "scripted_random.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>

using qtgui::MorvetaWindow;

// Finds a control by its object name, such as "Buton(0)"; fails the test if absent.
template <typename T = QWidget> T* control(const QWidget& window, const QString& name)
{
    T* w = window.findChild<T*>(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

// Let events run until `condition` holds, for at most five seconds, then
// check it (WAIT_COMPARE: compare, so that a failure shows both values). As
// Qt's QTRY_VERIFY and QTRY_COMPARE do, without their expansion, which under
// Qt 6.8 narrows a long to an int in the test's own code.
#define WAIT_VERIFY(condition)                                                                     \
    do {                                                                                           \
        (void)QTest::qWaitFor([&] { return bool(condition); });                                    \
        QVERIFY(condition);                                                                        \
    } while (false)
#define WAIT_COMPARE(actual, expected)                                                             \
    do {                                                                                           \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); });                             \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

inline QColor rgb(int r, int g, int b) { return QColor(r, g, b); }
inline QColor rgb(ui::Rgb c) { return QColor(c.r, c.g, c.b); }

// The design's colours.
inline const QColor kIdle = rgb(testing_support::colours::kIdle);
inline const QColor kPick = rgb(testing_support::colours::kPick);
inline const QColor kPeach = rgb(testing_support::colours::kPeach);
inline const QColor kComputerFirst = rgb(testing_support::colours::kComputerFirst);
inline const QColor kWindowBlue = rgb(testing_support::colours::kWindowBlue);
inline const QColor kClearRed = rgb(testing_support::colours::kClearRed);
inline const QColor kNewGreen = rgb(testing_support::colours::kNewGreen);

// A shown window. Its timer ticks only while the test lets events run
// (qWait and the like), so handlers called in between see a still state.
// With a scripted source, the test decides the computer's picks.
inline std::unique_ptr<MorvetaWindow>
openWindow(std::unique_ptr<app::RandomSource> random = nullptr)
{
    auto window = std::make_unique<MorvetaWindow>(std::move(random));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window was not exposed");
    return window;
}

// What the window shows, in device-independent pixels.
inline QImage screen(QWidget& window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The history line a round leaves, as the tests expect it.
inline QString lineFor(int computer, int player)
{
    return QString::fromStdString(testing_support::lineFor(computer, player));
}

// The colour at a point of a control, in the control's own coordinates.
inline QColor pixelOf(QWidget& window, const QWidget& w, QPoint p)
{
    const QImage image = screen(window);
    const QPoint at = w.mapTo(&window, p);
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(int(at.x() * dpr), int(at.y() * dpr));
}
