// The window on denser screens (run with QT_SCALE_FACTOR 1, 1.25, 1.5 and 2):
// the same 522 x 354 logical pixels, every control in its place, solid
// colours, and captions that fit.
#include "probe.h"

#include <QLabel>
#include <QPushButton>

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

    void windowKeepsItsLogicalSize();
    void controlsKeepTheirPlaces();
    void facesStaySolidAndCaptionsFit();

private:
    qreal scale() const { return window->devicePixelRatioF(); }
    std::unique_ptr<MorvetaWindow> window;
};

void TestScaling::windowKeepsItsLogicalSize()
{
    const qreal expected = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    QCOMPARE(scale(), expected);
    QCOMPARE(window->size(), QSize(522, 354));
    const QImage image = window->grab().toImage();
    QCOMPARE(image.size(), QSize(int(std::ceil(522 * expected)), int(std::ceil(354 * expected))));
}

void TestScaling::controlsKeepTheirPlaces()
{
    for (const Face& f : kFaces) {
        const QWidget* w = control(*window, f.name);
        QCOMPARE(QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()), f.logical);
    }
    QCOMPARE(control(*window, "Radio(0)")->visibleRegion().boundingRect(), QRect(0, 0, 17, 25));
    QCOMPARE(control(*window, "Text1")->geometry(), QRect(8, 224, 505, 129));
}

void TestScaling::facesStaySolidAndCaptionsFit()
{
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal s = scale();
    for (const Face& f : kFaces) {
        const bool button = f.name[0] != 'L';
        const int inset = button ? 2 : 0; // a button's bevel
        // In device pixels, one pixel clear of each edge of the face.
        const QRect face(int(std::ceil((f.logical.left() + inset) * s)) + 1,
                         int(std::ceil((f.logical.top() + inset) * s)) + 1,
                         int(std::floor((f.logical.width() - 2 * inset) * s)) - 2,
                         int(std::floor((f.logical.height() - 2 * inset) * s)) - 2);
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

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
