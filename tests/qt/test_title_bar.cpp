// The title bar the program draws where the compositor leaves it to the
// program: its look follows the window's activation, and its caption always
// shows whole. Offscreen, where windows take and lose the activation.
#include "probe.h"
#include "title_bar.h"

#include <QApplication>

using qtgui::TitledWindow;

class TestTitleBar : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        top = std::make_unique<TitledWindow>();
        top->show();
        QVERIFY(QTest::qWaitForWindowExposed(top.get()));
    }
    void cleanup() { top.reset(); }

    void barDimsWhileAnotherWindowIsActive();
    void captionNeverLosesACharacter();

private:
    std::unique_ptr<TitledWindow> top;
};

namespace {

// Counts the paint events a widget gets: what the user sees change.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

void TestTitleBar::barDimsWhileAnotherWindowIsActive()
{
    QWidget& bar = top->titleBar();
    top->activateWindow();
    WAIT_VERIFY(bar.isActiveWindow());
    const QImage active = bar.grab().toImage();
    PaintCounter counter;
    bar.installEventFilter(&counter);

    // Repainted as the activation goes and comes, and dimmed meanwhile.
    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    WAIT_VERIFY(!bar.isActiveWindow());
    WAIT_VERIFY(counter.paints > 0);
    QVERIFY(bar.grab().toImage() != active);

    const int before = counter.paints;
    other.close();
    top->activateWindow();
    WAIT_VERIFY(bar.isActiveWindow());
    WAIT_VERIFY(counter.paints > before);
    QCOMPARE(bar.grab().toImage(), active);
}

void TestTitleBar::captionNeverLosesACharacter()
{
    qtgui::TitleBar& bar = top->titleBar();
    QCOMPARE(bar.font().family(), top->game().font().family());
    // A face far wider than the bar: narrowed, the whole caption still fits.
    QFont wide = bar.font();
    wide.setPointSizeF(wide.pointSizeF() * 1.6);
    bar.setFont(wide);
    const QString caption = top->windowTitle();
    QVERIFY(QFontMetrics(wide, &bar).horizontalAdvance(caption) > bar.captionRect().width());
    const QFont fitted = bar.captionFont();
    QVERIFY(fitted.stretch() < 100);
    QVERIFY(QFontMetrics(fitted, &bar).horizontalAdvance(caption) <= bar.captionRect().width());
}

QTEST_MAIN(TestTitleBar)
#include "test_title_bar.moc"
