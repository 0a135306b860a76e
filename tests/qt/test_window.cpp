// The window as it opens: its controls' places, colours, captions, fonts,
// texts, tab order and initial states.
#include "probe.h"

#include "expected_places.h"
#include "expected_texts.h"
#include "text.h"

#include "hamburger.h"
#include "icon.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include "history_list.h"
#include "translation.h"
#include "contrast.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { window = openWindow(); }
    void cleanup() { window.reset(); }

    void clientAreaIsFixedAt522By354();
    void cannotBeResizedOrMaximised();
    void captionIsAnAddressThenTheCircle();
    void controlsStandWhereTheTableSays_data();
    void controlsStandWhereTheTableSays();
    void frameClipsTheFirstRadioTo17Pixels();
    void captionsAreExact();
    void facesAreSolidColours_data();
    void facesAreSolidColours();
    void windowAndFramesShowTheWindowColour();
    void fontsAreTheSerifAndTheSmallSans();
    void rulesTextHasFiveCrLfLines();
    void rulesCanBeSelectedAndCopiedButNotEdited();
    void startsWithPlayerFirstAndNoPick();
    void scoreBoxesAreEditableAndCentred();
    void tabVisitsTheFocusableControlsInOrder();
    void radioButtonsIgnoreClicks();
    void noButtonAnswersEnterOrEscape();
    void theDesktopsQuitAndCloseKeysClose_data();
    void theDesktopsQuitAndCloseKeysClose();
    void icoFileMatchesThePixelMap();
    void rulesTakeNoComposedText();
    void focusShowsOnEveryTabStop_data();
    void focusShowsOnEveryTabStop();
    void textStaysReadableUnderADarkScheme();
    void qtTextsAreBulgarian();

private:
    std::unique_ptr<MorvetaWindow> window;
};

void TestWindow::clientAreaIsFixedAt522By354()
{
    QCOMPARE(window->size(), QSize(522, 354));
    QCOMPARE(window->minimumSize(), QSize(522, 354));
    QCOMPARE(window->maximumSize(), QSize(522, 354));
    QCOMPARE(screen(*window).size(), QSize(522, 354));
}

void TestWindow::cannotBeResizedOrMaximised()
{
    window->showMaximized();
    QCOMPARE(window->size(), QSize(522, 354));
    window->showNormal();
    window->resize(800, 600);
    QCOMPARE(window->size(), QSize(522, 354));
    const Qt::WindowFlags f = window->windowFlags();
    QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
}

void TestWindow::captionIsAnAddressThenTheCircle()
{
    const QString tail = QStringLiteral("    камък >  ножица > хартия > камък");
    const QString title = window->windowTitle();
    QVERIFY(title.endsWith(tail));
    const QString address = title.left(title.size() - tail.size());
    QVERIFY2(address.contains(u'.') && !address.contains(u' ') && !address.isEmpty(),
             qPrintable(address));
}

void TestWindow::controlsStandWhereTheTableSays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    for (const testing_support::ExpectedPlace& p : testing_support::kExpectedPlaces) {
        const QString name = QString::fromStdString(testing_support::nameOf(p.control, p.index));
        QTest::newRow(qPrintable(name)) << name << QRect(p.left, p.top, p.width, p.height);
    }
}

void TestWindow::controlsStandWhereTheTableSays()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const QWidget* w = control(*window, name);
    QCOMPARE(w->geometry(), rect);
    QVERIFY(w->isVisible());
    const bool inFrame = name.startsWith(u"Igrach") || name.startsWith(u"Radio");
    QCOMPARE(w->parentWidget()->objectName(),
             inFrame ? (name.startsWith(u"Igrach") ? "Frame1" : "Frame2") : "Morveta");
}

void TestWindow::frameClipsTheFirstRadioTo17Pixels()
{
    const auto* radio = control(*window, "Radio(0)");
    QCOMPARE(radio->visibleRegion().boundingRect(), QRect(0, 0, 17, 25));
    // Just right of the frame the window's colour shows, not the radio's.
    const QPoint beyond = control(*window, "Frame2")->geometry().topRight() + QPoint(1, 12);
    QCOMPARE(screen(*window).pixelColor(beyond), kWindowBlue);
}

void TestWindow::captionsAreExact()
{
    for (const auto& expected : testing_support::kExpectedTexts) {
        const QString name =
            QString::fromStdString(testing_support::nameOf(expected.control, expected.index));
        const QString caption = QString::fromUtf8(expected.caption);
        QWidget* w = control(*window, name);
        QString shown;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            shown = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            shown = l->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            shown = e->text();
        QVERIFY2(shown == caption, qPrintable(name + ": \"" + shown + "\""));
    }
}

void TestWindow::facesAreSolidColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("face"); // in the control's coordinates, clear of text and indicator
    QTest::addColumn<QColor>("colour");
    // Inside a command button's 2-pixel bevel; the caption sits in the middle.
    QTest::newRow("Buton(0)") << "Buton(0)" << QRect(2, 2, 69, 2)
                              << kIdle; // its focus frame is inset 4
    QTest::newRow("Buton(1)") << "Buton(1)" << QRect(2, 22, 69, 1) << kIdle;
    QTest::newRow("Buton(2)") << "Buton(2)" << QRect(2, 2, 6, 21) << kIdle;
    QTest::newRow("Nachalo(0)") << "Nachalo(0)" << QRect(2, 2, 61, 5) << kNewGreen;
    QTest::newRow("Nachalo(1)") << "Nachalo(1)" << QRect(2, 26, 61, 5) << kClearRed;
    QTest::newRow("Label2(0)") << "Label2(0)" << QRect(0, 0, 313, 2) << kPeach;
    QTest::newRow("Label2(1)") << "Label2(1)" << QRect(0, 0, 2, 25) << kPeach;
    QTest::newRow("Label2(2)") << "Label2(2)" << QRect(0, 23, 121, 2) << kPeach;
    QTest::newRow("Igrach(0)") << "Igrach(0)" << QRect(90, 0, 31, 25) << kPeach;
    QTest::newRow("Igrach(1)") << "Igrach(1)" << QRect(116, 0, 5, 25) << kComputerFirst;
    QTest::newRow("Igrach(1) above its indicator")
        << "Igrach(1)" << QRect(0, 0, 121, 3) << kComputerFirst;
    QTest::newRow("Radio(0)") << "Radio(0)" << QRect(0, 0, 17, 3) << kPick;
    QTest::newRow("Radio(1)") << "Radio(1)" << QRect(0, 21, 17, 4) << kIdle;
    QTest::newRow("Radio(2)") << "Radio(2)" << QRect(0, 0, 17, 3) << kIdle;
    QTest::newRow("Rezul(0)") << "Rezul(0)" << QRect(3, 3, 12, 21) << kPeach;
    QTest::newRow("Rezul(1)") << "Rezul(1)" << QRect(50, 3, 12, 21) << kPeach;
}

void TestWindow::facesAreSolidColours()
{
    QFETCH(QString, name);
    QFETCH(QRect, face);
    QFETCH(QColor, colour);
    window->handlers().Nachalo_Click(-1); // keeps the window as it opened
    QWidget* w = control(*window, name);
    const QImage image = screen(*window);
    const QPoint origin = w->mapTo(window.get(), QPoint(0, 0));
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x) {
            const QColor seen = image.pixelColor(origin + QPoint(x, y));
            if (seen != colour)
                QFAIL(qPrintable(QStringLiteral("%1 at (%2, %3) is %4, not %5")
                                     .arg(name)
                                     .arg(x)
                                     .arg(y)
                                     .arg(seen.name(), colour.name())));
        }
}

void TestWindow::windowAndFramesShowTheWindowColour()
{
    const QImage image = screen(*window);
    for (QPoint p : {QPoint(2, 2), QPoint(520, 352), QPoint(300, 50), QPoint(140, 100),
                     QPoint(338, 33), QPoint(345, 134), QPoint(10, 130)})
        QCOMPARE(image.pixelColor(p), kWindowBlue);
}

void TestWindow::fontsAreTheSerifAndTheSmallSans()
{
    const QFont windowFont = window->font();
    QCOMPARE(windowFont.pointSizeF(), 12.0);
    // The first of the design's faces that is installed.
    const QStringList serif{"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"};
    QVERIFY2(serif.contains(windowFont.families().value(0)), qPrintable(windowFont.family()));
    const QFontInfo shown(control(*window, "Buton(0)")->font());
    QVERIFY2(QStringList({"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"})
                 .contains(shown.family()),
             qPrintable(shown.family()));
    QCOMPARE(shown.pointSizeF(), 12.0);
    QVERIFY(!shown.italic() && !shown.bold());

    for (const char* name : {"Radio(0)", "Radio(1)", "Radio(2)"}) {
        const QFont f = control(*window, name)->font();
        QCOMPARE(f.pointSizeF(), 8.25);
        const QStringList sans{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"};
        QVERIFY2(sans.contains(f.families().value(0)), qPrintable(f.family()));
    }
    for (const char* name : {"Igrach(0)", "Rezul(1)", "Label2(0)", "Text1", "Rezultat"})
        QCOMPARE(control(*window, name)->font().pointSizeF(), 12.0);
}

void TestWindow::rulesTextHasFiveCrLfLines()
{
    const QStringList lines{
        "Правилата на известната игра \"камък, ножица, хартия\" са прости - “камъкът” чупи "
        "“ножицата”, “ножицата” реже “хартията”, а “хартията” покрива “камъка”. Съществуват "
        "психологически изследвания за оптимална печеливша стратегия, дори и препоръки кой е "
        "най-печелившия вариант за избор.",
        "Да се състави проект по Морвета, реализиращ популярната игра камък, ножица, хартия.",
        "Тема на проекта: Морвета - камък, ножица.",
        "Чрез генериране на случайни числа компютърът непрекъснато предлага своя избор, чрез "
        "събитие On-Click потребителят прави своя и веднага след това се съпоставят двата избора.",
        "Резултатите, от поредната  игра, победа, загуба, реми се натрупват в отделно списъчно "
        "поле.",
    };
    QCOMPARE(qtgui::toQString(ui::kRulesText), lines.join("\r\n") + "\r\n");
    QCOMPARE(lines[0].count(u'"'), 2);
    QCOMPARE(lines[0].count(QChar(0x201C)), 6);
    QCOMPARE(lines[0].count(QChar(0x201D)), 6);
    // Shown as five paragraphs; no stray carriage return is drawn.
    const auto* text = control<QPlainTextEdit>(*window, "Text1");
    QCOMPARE(text->toPlainText(), lines.join("\n") + "\n");
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
}

void TestWindow::rulesCanBeSelectedAndCopiedButNotEdited()
{
    auto* text = control<QPlainTextEdit>(*window, "Text1");
    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, "xyz");
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(text->toPlainText(), before);

    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    const int top = text->verticalScrollBar()->value();
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(text->verticalScrollBar()->value() > top);
    QCOMPARE(text->textCursor().selectedText().size(), before.size());
    QApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith("Правилата на известната игра"));
}

void TestWindow::startsWithPlayerFirstAndNoPick()
{
    QVERIFY(control<QRadioButton>(*window, "Igrach(0)")->isChecked());
    QVERIFY(!control<QRadioButton>(*window, "Igrach(1)")->isChecked());
    for (const char* name : {"Radio(0)", "Radio(1)", "Radio(2)"}) {
        auto* r = control<QRadioButton>(*window, name);
        QVERIFY2(!r->isChecked(), name);
        QVERIFY2(!r->isEnabled(), name);
    }
    QCOMPARE(qtgui::backColor(*control(*window, "Radio(0)")), kPick);
    QCOMPARE(qtgui::backColor(*control(*window, "Radio(1)")), kIdle);
    QCOMPARE(control<qtgui::HistoryList>(*window, "Rezultat")->count(), 0);
    QVERIFY(!window->handlers().firstMover().has_value());
    for (const char* name : {"Rezul(0)", "Rezul(1)"})
        QCOMPARE(qtgui::backColor(*control(*window, name)),
                 qtgui::backColor(*control(*window, "Igrach(0)")));
}

void TestWindow::scoreBoxesAreEditableAndCentred()
{
    auto* box = control<QLineEdit>(*window, "Rezul(0)");
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->alignment(), Qt::AlignCenter);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "7");
    QCOMPARE(box->text(), QStringLiteral("07"));
}

void TestWindow::tabVisitsTheFocusableControlsInOrder()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), control(*window, "Buton(0)"));
    const QStringList expected{"Buton(1)", "Buton(2)", "Nachalo(0)", "Rezultat", "Igrach(0)",
                               "Rezul(0)", "Rezul(1)", "Nachalo(1)", "Text1",    "Buton(0)"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);

    // With the computer first, Tab stops on that option instead.
    QTest::mouseClick(control(*window, "Igrach(1)"), Qt::LeftButton);
    control(*window, "Rezultat")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Igrach(1)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Rezul(0)"));
}

void TestWindow::radioButtonsIgnoreClicks()
{
    window->handlers().Timer1_Timer();
    const game::MoveIndex picked = window->handlers().computerChoice();
    for (const char* name : {"Radio(0)", "Radio(1)", "Radio(2)"}) {
        auto* r = control<QRadioButton>(*window, name);
        const bool wasChecked = r->isChecked();
        const QColor colour = qtgui::backColor(*r);
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, 12));
        QCOMPARE(r->isChecked(), wasChecked);
        QCOMPARE(qtgui::backColor(*r), colour);
        QVERIFY(!r->hasFocus());
    }
    QCOMPARE(window->handlers().computerChoice(), picked);
}

void TestWindow::noButtonAnswersEnterOrEscape()
{
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        QVERIFY(!b->isDefault());
        QVERIFY(!b->autoDefault());
        QVERIFY2(!b->text().contains(u'&'), qPrintable(b->text()));
    }
    for (QRadioButton* b : window->findChildren<QRadioButton*>())
        QVERIFY(!b->text().contains(u'&'));
    const int lines = control<qtgui::HistoryList>(*window, "Rezultat")->count();
    QTest::keyClick(control(*window, "Rezul(0)"), Qt::Key_Return);
    QTest::keyClick(control(*window, "Rezul(0)"), Qt::Key_Escape);
    QCOMPARE(control<qtgui::HistoryList>(*window, "Rezultat")->count(), lines);
    QVERIFY(window->timer().isActive());
}

void TestWindow::theDesktopsQuitAndCloseKeysClose_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("closes");
    // The platform's own keys (offscreen has Close's but not Quit's; the
    // AT-SPI test presses Ctrl+Q on X11).
    const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
    QVERIFY(!close.isEmpty());
    for (const QKeySequence& keys : close)
        QTest::newRow(qPrintable("Close in a score box: " + keys.toString()))
            << "Rezul(0)" << keys << true;
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Quit)) {
        QTest::newRow(qPrintable("Quit on a move: " + keys.toString()))
            << "Buton(1)" << keys << true;
        QTest::newRow(qPrintable("Quit in the rules: " + keys.toString()))
            << "Text1" << keys << true;
    }
    QTest::newRow("a plain Q in a score box") << "Rezul(1)" << QKeySequence(Qt::Key_Q) << false;
}

void TestWindow::theDesktopsQuitAndCloseKeysClose()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, keys);
    QFETCH(bool, closes);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget* w = control(*window, focus);
    w->setFocus(Qt::TabFocusReason);
    QTest::keySequence(w, keys);
    QCOMPARE(window->isVisible(), !closes);
}

void TestWindow::icoFileMatchesThePixelMap()
{
    QFile file(qEnvironmentVariable("MORVETA_SOURCE_DIR") + "/win32/morveta.ico");
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray committed = file.readAll();
    const std::vector<std::uint8_t> written = ui::hamburgerIco();
    QCOMPARE(committed,
             QByteArray(reinterpret_cast<const char*>(written.data()), qsizetype(written.size())));

    // 32 x 32 with 8 bits a pixel, as Windows reads the header.
    QCOMPARE(int(std::uint8_t(committed[6])), 32);
    QCOMPARE(int(std::uint8_t(committed[7])), 32);
    QCOMPARE(int(std::uint8_t(committed[12])), 8);

    // Decoded by Qt's own reader, it is the window's icon, mask included.
    const QImage decoded =
        QImage::fromData(committed, "ICO").convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = qtgui::hamburgerImage();
    QCOMPARE(decoded.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            QCOMPARE(qAlpha(decoded.pixel(x, y)), qAlpha(drawn.pixel(x, y)));
            if (qAlpha(drawn.pixel(x, y)) == 255) {
                ++opaque;
                QCOMPARE(decoded.pixel(x, y), drawn.pixel(x, y));
            }
        }
    QVERIFY(opaque > 400 && opaque < 1024);
}

void TestWindow::rulesTakeNoComposedText()
{
    auto* rules = control<QPlainTextEdit>(*window, "Text1");
    const QString before = rules->toPlainText();
    rules->setFocus();
    rules->moveCursor(QTextCursor::End);
    // Dead keys and compose arrive as input-method text: á, è, ü.
    for (const QString& composed :
         {QStringLiteral("\u00E1"), QStringLiteral("\u00E8"), QStringLiteral("\u00FC")}) {
        QInputMethodEvent preedit(QStringLiteral("\u00B4"), {});
        QApplication::sendEvent(rules, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(composed);
        QApplication::sendEvent(rules, &commit);
    }
    QCOMPARE(rules->toPlainText(), before);
    QVERIFY(!rules->inputMethodQuery(Qt::ImEnabled).toBool());
}

void TestWindow::qtTextsAreBulgarian()
{
    QVERIFY2(qtgui::installBulgarianQtTexts(*qApp), "Qt's Bulgarian translation is missing");
    const QStringList english{"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"};
    const auto checkMenu = [&](std::unique_ptr<QMenu> menu) {
        QVERIFY(menu);
        int seen = 0;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QString text = action->text();
            text.remove(u'&');
            text = text.section(u'\t', 0, 0);
            QVERIFY2(!english.contains(text), qPrintable(text));
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("[\u0400-\u04FF]"))),
                     qPrintable(text));
            ++seen;
        }
        QVERIFY(seen >= 2);
    };
    checkMenu(std::unique_ptr<QMenu>(
        control<QLineEdit>(*window, "Rezul(0)")->createStandardContextMenu()));
    checkMenu(std::unique_ptr<QMenu>(
        control<QPlainTextEdit>(*window, "Text1")->createStandardContextMenu()));
}

namespace {

ui::Rgb toRgb(QRgb c)
{
    return {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))};
}

// The strongest contrast with the face among the pixels of image inside area
// that differ from before (all pixels when before is null).
double strongestContrast(const QImage& image, const QImage& before, const QRect& area, QColor face)
{
    double best = 1.0;
    const ui::Rgb f = toRgb(face.rgb());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb now = image.pixel(x, y);
            if (!before.isNull() && before.pixel(x, y) == now)
                continue;
            best = std::max(best, ui::contrast(toRgb(now), f));
        }
    return best;
}

QRect areaOf(QWidget& window, const QWidget& w)
{
    return QRect(w.mapTo(&window, QPoint(0, 0)), w.size());
}

} // namespace

void TestWindow::focusShowsOnEveryTabStop_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Buton(0)", "Buton(2)", "Nachalo(0)", "Nachalo(1)", "Rezultat",
                             "Igrach(0)", "Rezul(0)", "Rezul(1)", "Text1"})
        QTest::newRow(name) << name;
}

void TestWindow::focusShowsOnEveryTabStop()
{
    // Focus must show, at 3:1 against the control's own face, also on the
    // empty history list and on the red, green and magenta faces.
    QFETCH(QString, name);
    QWidget* w = control(*window, name);
    window->handlers().Igrach_Click(1); // the score boxes turn magenta
    control(*window, name == "Buton(1)" ? "Buton(0)" : "Buton(1)")->setFocus(Qt::TabFocusReason);
    window->setTimerEnabled(false);
    QApplication::processEvents();
    const QImage before = screen(*window);
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QVERIFY(w->hasFocus());
    const QImage after = screen(*window);
    const bool boxed = name == "Rezultat" || name == "Text1";
    const QColor face = boxed ? w->palette().color(QPalette::Base) : qtgui::backColor(*w);
    // The history's focus shows inside it, on the line or where the first
    // line will be, and not only on its frame, which some styles leave alone.
    const QWidget* area =
        name == "Rezultat" ? control<qtgui::HistoryList>(*window, name)->viewport() : w;
    const double shown = strongestContrast(after, before, areaOf(*window, *area), face);
    QVERIFY2(shown >= 3.0, qPrintable(QStringLiteral("focus contrast %1").arg(shown)));
    // The history's frame, not a stray dot: at least a dotted line across it.
    // (The rules show their focus by their caret.)
    if (name != "Rezultat")
        return;
    int changed = 0;
    const QRect r = areaOf(*window, *area);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            changed += after.pixel(x, y) != before.pixel(x, y);
    QVERIFY2(changed >= r.width() / 2,
             qPrintable(QStringLiteral("%1 pixels changed").arg(changed)));
}

void TestWindow::textStaysReadableUnderADarkScheme()
{
    window.reset();
    const QPalette light = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::Text, QColor(238, 238, 238));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 238));
    QApplication::setPalette(dark);
    // The light scheme comes back however this ends, a failed check included.
    const auto restore = qScopeGuard([this, light] {
        window.reset();
        QApplication::setPalette(light);
    });
    window = openWindow();
    window->setTimerEnabled(false);
    const QImage image = screen(*window);
    for (const char* name :
         {"Label2(0)", "Label2(1)", "Label2(2)", "Igrach(0)", "Igrach(1)", "Rezul(0)", "Rezul(1)",
          "Buton(0)", "Buton(1)", "Buton(2)", "Nachalo(0)", "Nachalo(1)"}) {
        QWidget* w = control(*window, name);
        const double text = strongestContrast(
            image, QImage(), areaOf(*window, *w).adjusted(3, 3, -3, -3), qtgui::backColor(*w));
        QVERIFY2(text >= 3.0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(text)));
    }
    // The list and the rules keep the scheme's own colours.
    QCOMPARE(control(*window, "Text1")->palette().color(QPalette::Base), QColor(42, 42, 42));
    QCOMPARE(control(*window, "Rezultat")->palette().color(QPalette::Text), QColor(238, 238, 238));
    // White on magenta is readable (5.3:1) and stays.
    QCOMPARE(control(*window, "Igrach(1)")->palette().color(QPalette::WindowText),
             QColor(238, 238, 238));
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
