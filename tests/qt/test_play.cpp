// The Qt window under the game: each operation the handlers use reaches its
// widget and shows, the timer drives the pick, and whole rounds are played
// with real clicks and keys. The rules of play are tested without Qt.
#include "probe.h"

#include "expected_texts.h"

#include "history_list.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimerEvent>

using testing_support::ScriptedRandom;
using ui::Control;

namespace {

// Records which widgets of a window receive a paint event.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& window)
    {
        window.installEventFilter(this);
        for (QWidget* w : window.findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    QSet<QString> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const QWidget* w = static_cast<QWidget*>(watched);
            // A viewport or scroll bar counts as its control.
            while (w->objectName().isEmpty() && w->parentWidget())
                w = w->parentWidget();
            painted.insert(w->objectName());
        }
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(app::ControlId)

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window.reset(); }

    void backColorPaintsTheWholeFace_data();
    void backColorPaintsTheWholeFace();
    void valueChecksOneOptionOrNone();
    void textShowsItsStart();
    void linesAreAppendedSelectedAndCleared();
    void idsOutsideTheWindowAreIgnored();
    void enablingARunningTimerKeepsItsRhythm();

    void theTimerDrivesThePick();
    void disabledTimerFreezesThePick();
    void aTickRepaintsOnlyTheMarksThatChange();

    void aRoundPlayedWithClicks_data();
    void aRoundPlayedWithClicks();
    void arrowKeysChooseWhoPlaysFirstToo();
    void typedScoresInAnyScriptCount_data();
    void typedScoresInAnyScriptCount();

private:
    template <typename T = QWidget> T* find(app::ControlId id)
    {
        return control<T>(*window,
                          QString::fromStdString(testing_support::nameOf(id.control, id.index)));
    }
    QPushButton* buton(int i) { return find<QPushButton>({Control::Buton, i}); }
    QRadioButton* radio(int i) { return find<QRadioButton>({Control::Radio, i}); }
    QLineEdit* rezul(int i) { return find<QLineEdit>({Control::Rezul, i}); }
    qtgui::HistoryList* history() { return control<qtgui::HistoryList>(*window, "Rezultat"); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // Delivers one tick of the system timer with this id (the running one's
    // by default), as the event loop would after 100 ms.
    void tickTimer(int id = -1)
    {
        QTimerEvent tick(id == -1 ? window->timer().timerId() : id);
        QCoreApplication::sendEvent(const_cast<QTimer*>(&window->timer()), &tick);
    }
    void checkMarks();

    ScriptedRandom* random = nullptr;
    std::unique_ptr<MorvetaWindow> window;
};

void TestPlay::init()
{
    auto scripted = std::make_unique<ScriptedRandom>();
    random = scripted.get();
    window = openWindow(std::move(scripted));
}

void TestPlay::checkMarks()
{
    const int picked = game::toInt(window->handlers().computerChoice());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(radio(i)->isChecked(), i == picked);
    QCOMPARE(pixelOf(*window, *radio(picked), QPoint(8, 1)), kPick);
    QCOMPARE(pixelOf(*window, *radio((picked + 1) % 3), QPoint(8, 1)), kIdle);
}

void TestPlay::backColorPaintsTheWholeFace_data()
{
    QTest::addColumn<app::ControlId>("id");
    QTest::addColumn<QPoint>("corner"); // a point of the face that no text covers
    QTest::newRow("Buton(1)") << app::ControlId{Control::Buton, 1} << QPoint(3, 3);
    QTest::newRow("Nachalo(0)") << app::ControlId{Control::Nachalo, 0} << QPoint(3, 3);
    QTest::newRow("Radio(2)") << app::ControlId{Control::Radio, 2} << QPoint(8, 1);
    QTest::newRow("Igrach(1)") << app::ControlId{Control::Igrach, 1} << QPoint(118, 2);
    QTest::newRow("Rezul(0)") << app::ControlId{Control::Rezul, 0} << QPoint(4, 4);
    QTest::newRow("Label2(1)") << app::ControlId{Control::Label2, 1} << QPoint(1, 1);
}

void TestPlay::backColorPaintsTheWholeFace()
{
    QFETCH(app::ControlId, id);
    QFETCH(QPoint, corner);
    constexpr ui::Rgb colour{12, 34, 56};
    window->setBackColor(id, colour);
    QCOMPARE(window->backColor(id), colour);
    QWidget* w = find(id);
    QCOMPARE(pixelOf(*window, *w, corner), rgb(12, 34, 56));
    const QPoint opposite(w->width() - 1 - corner.x(), w->height() - 1 - corner.y());
    QCOMPARE(pixelOf(*window, *w, opposite), rgb(12, 34, 56));
}

void TestPlay::valueChecksOneOptionOrNone()
{
    window->setValue({Control::Radio, 1}, true);
    QVERIFY(radio(1)->isChecked());
    window->setValue({Control::Radio, 2}, true);
    QVERIFY(radio(2)->isChecked() && !radio(1)->isChecked());
    window->setValue({Control::Radio, 2}, false);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!radio(i)->isChecked());
    // The other group is a group of its own.
    QVERIFY(find<QRadioButton>({Control::Igrach, 0})->isChecked());
}

void TestPlay::textShowsItsStart()
{
    const std::string longScore = "1234567890123456789";
    window->setText({Control::Rezul, 1}, longScore);
    QCOMPARE(rezul(1)->text(), QString::fromStdString(longScore));
    QCOMPARE(rezul(1)->cursorPosition(), 0);
    QCOMPARE(window->text({Control::Rezul, 1}), longScore);
    window->setText({Control::Rezul, 0}, "Играч 5");
    QCOMPARE(rezul(0)->text(), QStringLiteral("Играч 5"));
    QCOMPARE(window->text({Control::Rezul, 0}), std::string("Играч 5"));
}

void TestPlay::linesAreAppendedSelectedAndCleared()
{
    window->appendLine("първи ред");
    window->appendLine("втори ред");
    QCOMPARE(window->lineCount(), 2);
    QCOMPARE(history()->line(1), QStringLiteral("втори ред"));
    QCOMPARE(history()->currentRow(), -1);
    window->selectLine(1);
    QCOMPARE(history()->currentRow(), 1);
    const QColor highlight = history()->palette().color(QPalette::Highlight);
    QCOMPARE(pixelOf(*window, *history()->viewport(), history()->rowRect(1).center()), highlight);
    window->selectLine(2);
    QCOMPARE(history()->currentRow(), -1);
    window->selectLine(1);
    window->clearLines();
    QCOMPARE(window->lineCount(), 0);
    QCOMPARE(history()->currentRow(), -1);
}

void TestPlay::idsOutsideTheWindowAreIgnored()
{
    const QImage before = screen(*window);
    for (const app::ControlId id :
         {app::ControlId{Control::Buton, 3}, app::ControlId{Control::Radio, -1},
          app::ControlId{Control::Rezul, 2}, app::ControlId{Control::Text1, 0},
          app::ControlId{Control::Frame2, 0}}) {
        window->setBackColor(id, ui::Rgb{1, 2, 3});
        window->setValue(id, true);
        window->setText(id, "x");
        QCOMPARE(window->text(id), std::string());
    }
    window->selectLine(-5);
    QCOMPARE(screen(*window), before);
}

void TestPlay::enablingARunningTimerKeepsItsRhythm()
{
    // QTimer::start() on a running timer makes a new system timer: its id changes.
    const int running = window->timer().timerId();
    click(control(*window, "Nachalo(0)")); // "Нова" in a running round
    QCOMPARE(window->timer().timerId(), running);
    window->setTimerEnabled(false);
    QVERIFY(!window->timer().isActive());
    window->setTimerEnabled(true);
    QVERIFY(window->timer().isActive());
}

void TestPlay::theTimerDrivesThePick()
{
    QVERIFY(window->timer().isActive());
    QCOMPARE(window->timer().interval(), 100);
    QVERIFY(!window->timer().isSingleShot());
    for (const int pick : {2, 0, 1}) {
        random->script.push_back(static_cast<game::MoveIndex>(pick));
        tickTimer();
        QCOMPARE(game::toInt(window->handlers().computerChoice()), pick);
        checkMarks();
    }
}

void TestPlay::disabledTimerFreezesThePick()
{
    const int running = window->timer().timerId();
    click(buton(1));
    QVERIFY(!window->timer().isActive());
    const int draws = random->draws;
    tickTimer(running); // one that was on its way as the timer stopped
    QCOMPARE(random->draws, draws);
    checkMarks();
}

void TestPlay::aTickRepaintsOnlyTheMarksThatChange()
{
    PaintRecorder recorder(*window);
    window->handlers().Timer1_Timer();
    QApplication::processEvents();
    const std::array<int, 8> picks{0, 1, 1, 2, 0, 0, 2, 1};
    for (int pick : picks) {
        const int before = game::toInt(window->handlers().computerChoice());
        recorder.painted.clear();
        random->script.push_back(static_cast<game::MoveIndex>(pick));
        window->handlers().Timer1_Timer();
        QApplication::processEvents();
        const QString newMark = QStringLiteral("Radio(%1)").arg(pick);
        if (before != pick)
            QVERIFY(recorder.painted.contains(newMark));
        QSet<QString> others = recorder.painted;
        others.remove(QStringLiteral("Radio(%1)").arg(before));
        others.remove(newMark);
        QVERIFY2(others.isEmpty(), qPrintable(QStringList(others.values()).join(", ")));
    }
}

void TestPlay::aRoundPlayedWithClicks_data()
{
    QTest::addColumn<bool>("computerFirst");
    QTest::addColumn<int>("player");
    QTest::newRow("player first, rock") << false << 0;
    QTest::newRow("computer first, paper") << true << 2;
}

void TestPlay::aRoundPlayedWithClicks()
{
    QFETCH(bool, computerFirst);
    QFETCH(int, player);
    if (computerFirst) {
        click(find({Control::Igrach, 1}));
        QCOMPARE(pixelOf(*window, *rezul(0), QPoint(4, 4)), kComputerFirst);
    }
    window->handlers().Timer1_Timer(); // no mark is shown before the first tick
    click(buton(player));
    QVERIFY(!window->timerEnabled());
    // The round is over and its move stays marked.
    const int computer = game::toInt(window->handlers().computerChoice());
    if (!computerFirst)
        QCOMPARE(computer, (player + 2) % 3);
    checkMarks();
    QCOMPARE(pixelOf(*window, *buton(player), QPoint(3, 3)), kPeach);
    QCOMPARE(pixelOf(*window, *buton((player + 1) % 3), QPoint(3, 3)), kIdle);
    QCOMPARE(history()->count(), 1);
    QCOMPARE(history()->line(0), lineFor(computer, player));
    QCOMPARE(history()->currentRow(), 0);
    QCOMPARE(
        pixelOf(*window, *history()->viewport(), history()->rowRect(0).center() + QPoint(240, 0)),
        history()->palette().color(QPalette::Highlight));
    // Rock beats scissors beats paper beats rock.
    const bool draw = computer == player;
    const bool computerWins = (computer + 1) % 3 == player;
    QCOMPARE(rezul(0)->text(), draw ? "1" : computerWins ? "0" : "2");
    QCOMPARE(rezul(1)->text(), draw ? "1" : computerWins ? "2" : "0");

    click(control(*window, "Nachalo(0)"));
    QVERIFY(window->timerEnabled());
    QCOMPARE(pixelOf(*window, *buton(player), QPoint(3, 3)), kIdle);
    click(control(*window, "Nachalo(1)"));
    QCOMPARE(history()->count(), 0);
    QCOMPARE(rezul(0)->text(), QStringLiteral("0"));
    QCOMPARE(rezul(1)->text(), QStringLiteral("0"));
}

void TestPlay::arrowKeysChooseWhoPlaysFirstToo()
{
    auto* first = find<QRadioButton>({Control::Igrach, 0});
    auto* second = find<QRadioButton>({Control::Igrach, 1});
    click(buton(0));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Down);
    QVERIFY(second->isChecked());
    QCOMPARE(window->handlers().firstMover(), std::optional<std::int16_t>(1));
    QCOMPARE(pixelOf(*window, *rezul(0), QPoint(4, 4)), kComputerFirst);
    QCOMPARE(history()->count(), 0);
    QTest::keyClick(second, Qt::Key_Up);
    QCOMPARE(window->handlers().firstMover(), std::optional<std::int16_t>(0));
    QCOMPARE(pixelOf(*window, *rezul(1), QPoint(4, 4)), kPeach);
    // Left and Right move like Up and Down.
    QTest::keyClick(first, Qt::Key_Right);
    QVERIFY(second->isChecked() && second->hasFocus());
    QCOMPARE(window->handlers().firstMover(), std::optional<std::int16_t>(1));
    QTest::keyClick(second, Qt::Key_Left);
    QVERIFY(first->isChecked() && first->hasFocus());
    QCOMPARE(window->handlers().firstMover(), std::optional<std::int16_t>(0));
}

void TestPlay::typedScoresInAnyScriptCount_data()
{
    // Player first, player scissors: the computer answers rock and gains 2.
    QTest::addColumn<QString>("typedPlayer");
    QTest::addColumn<QString>("typedComputer");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("computer");
    QTest::newRow("digits with a blank") << "1 2"
                                         << "4"
                                         << "12"
                                         << "6";
    QTest::newRow("Cyrillic and full-width") << "пет"
                                             << "\uFF17"
                                             << "0"
                                             << "2";
    QTest::newRow("13 digits") << "1234567890123"
                               << "-1e400"
                               << "1234567890123"
                               << "-1.7976931348623157e+308";
}

void TestPlay::typedScoresInAnyScriptCount()
{
    QFETCH(QString, typedPlayer);
    QFETCH(QString, typedComputer);
    QFETCH(QString, player);
    QFETCH(QString, computer);
    for (int i = 0; i < 2; ++i) {
        QLineEdit* box = rezul(i);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        // Typed as one key press carrying the whole text, in any script.
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown,
                            i == 0 ? typedPlayer : typedComputer, Qt::NoModifier);
        QCOMPARE(box->text(), i == 0 ? typedPlayer : typedComputer);
    }
    click(buton(1));
    QCOMPARE(rezul(0)->text(), player);
    QCOMPARE(rezul(1)->text(), computer);
    // After a round a box shows the start of its text.
    QCOMPARE(rezul(0)->cursorPosition(), 0);
}

QTEST_MAIN(TestPlay)
#include "test_play.moc"
