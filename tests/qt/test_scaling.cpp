// The window on denser screens, whoever scales (Qt, or the screen's logical
// dpi): every control in its place, solid colours, and captions that fit, also
// in a stand-in face. MORVETA_DEVICE_SIZE is the window's size in device
// pixels ("653x443"); MORVETA_FAMILY, where set, the face the font resolves to.
#include "probe.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QFontInfo>

#include <cmath>

namespace {

struct Face {
    const char* name;
    QRect logical; // the control's rectangle in the window
    QColor colour;
};

const Face kFaces[] = {
    {"Buton(0)", {368, 40, 73, 25}, kIdle},       {"Buton(1)", {368, 72, 73, 25}, kIdle},
    {"Buton(2)", {368, 104, 73, 25}, kIdle},      {"Nachalo(1)", {448, 40, 65, 33}, kClearRed},
    {"Nachalo(0)", {448, 96, 65, 33}, kNewGreen}, {"Label2(0)", {104, 0, 313, 25}, kPeach},
    {"Label2(1)", {144, 32, 65, 25}, kPeach},     {"Label2(2)", {8, 32, 121, 25}, kPeach},
};

} // namespace

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    void init() { window = openWindow(); }
    void cleanup() { window.reset(); }

    void windowTakesItsDeviceSize();
    void controlsKeepTheirPlaces();
    void facesStaySolidAndCaptionsFit();
    void fontResolvesToTheExpectedFace();
    void aMoveToADenserScreenLaysTheWindowOutAgain();

private:
    qreal scale() const { return window->devicePixelRatioF(); }
    // A rectangle of the design at 96 dpi, in the window's logical pixels.
    QRect atScreenDpi(const QRect& r) const
    {
        const double k = window->logicalDpiX() / 96.0;
        return QRect(qRound(r.x() * k), qRound(r.y() * k), qRound(r.width() * k),
                     qRound(r.height() * k));
    }
    std::unique_ptr<MorvetaWindow> window;
};

void TestScaling::windowTakesItsDeviceSize()
{
    const QStringList expected = qEnvironmentVariable("MORVETA_DEVICE_SIZE", "522x354").split('x');
    QCOMPARE(expected.size(), 2);
    const QSize device(expected[0].toInt(), expected[1].toInt());
    QCOMPARE(window->size(), atScreenDpi(QRect(0, 0, 522, 354)).size());
    QCOMPARE(window->grab().toImage().size(), device);
}

void TestScaling::controlsKeepTheirPlaces()
{
    for (const Face& f : kFaces) {
        const QWidget* w = control(*window, f.name);
        QCOMPARE(QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()), atScreenDpi(f.logical));
    }
    QCOMPARE(control(*window, "Radio(0)")->visibleRegion().boundingRect(),
             atScreenDpi(QRect(0, 0, 17, 25)));
    QCOMPARE(control(*window, "Text1")->geometry(), atScreenDpi(QRect(8, 224, 505, 129)));
}

void TestScaling::facesStaySolidAndCaptionsFit()
{
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal s = scale();
    for (const Face& f : kFaces) {
        const bool button = f.name[0] != 'L';
        const int inset = button ? 2 : 0; // a button's bevel
        const QRect logical = atScreenDpi(f.logical);
        // In device pixels, one pixel clear of each edge of the face.
        const QRect face(int(std::ceil((logical.left() + inset) * s)) + 1,
                         int(std::ceil((logical.top() + inset) * s)) + 1,
                         int(std::floor((logical.width() - 2 * inset) * s)) - 2,
                         int(std::floor((logical.height() - 2 * inset) * s)) - 2);
        // The top rows and the left and right columns are the face alone:
        // the caption neither spills onto them nor is cut off by them.
        for (int x = face.left(); x <= face.right(); ++x)
            QVERIFY2(image.pixelColor(x, face.top()) == f.colour,
                     qPrintable(QStringLiteral("%1 at %2, %3").arg(f.name).arg(x).arg(face.top())));
        for (int y = face.top(); y <= face.bottom(); ++y) {
            QCOMPARE(image.pixelColor(face.left(), y), f.colour);
            QCOMPARE(image.pixelColor(face.right(), y), f.colour);
        }
        // And the caption is drawn: some pixel in the middle row is not the face.
        bool inked = false;
        const int middle = face.center().y();
        for (int x = face.left(); x <= face.right() && !inked; ++x)
            inked = image.pixelColor(x, middle) != f.colour;
        QVERIFY2(inked, f.name);
    }
}

void TestScaling::fontResolvesToTheExpectedFace()
{
    QVERIFY2(qEnvironmentVariableIsSet("MORVETA_FAMILY"), "MORVETA_FAMILY names the face expected");
    QCOMPARE(QFontInfo(window->font()).family(), qEnvironmentVariable("MORVETA_FAMILY"));
    // The options' captions sit beside their indicator and are not checked
    // by pixel above: their text must fit what is left of the option.
    for (const char* name : {"Igrach(0)", "Igrach(1)"}) {
        auto* option = control<QRadioButton>(*window, name);
        QStyleOptionButton o;
        o.initFrom(option);
        o.text = option->text();
        const QRect text =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, option);
        QVERIFY2(option->fontMetrics().horizontalAdvance(option->text()) <= text.width(), name);
    }
}

// Run on two screens of 96 and 144 dpi with Qt's scaling off.
void TestScaling::aMoveToADenserScreenLaysTheWindowOutAgain()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QScreen* const first = window->screen();
    QScreen* const other = screens[0] == first ? screens[1] : screens[0];
    const QWidget* move = control(*window, "Buton(0)");
    // There and back: the window and a control as the design puts them at each dpi.
    for (QScreen* target : {other, first}) {
        window->windowHandle()->setScreen(target);
        const bool dense = target->logicalDotsPerInchX() > 100;
        QCOMPARE(window->logicalDpiX(), dense ? 144 : 96);
        QCOMPARE(window->size(), dense ? QSize(783, 531) : QSize(522, 354));
        QCOMPARE(QRect(move->mapTo(window.get(), QPoint(0, 0)), move->size()),
                 dense ? QRect(552, 60, 110, 38) : QRect(368, 40, 73, 25));
    }
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
