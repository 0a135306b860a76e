// Playing the game through the window: the computer's pick, "Нова",
// "Изчисти", who plays first, the player's move, the history and the scores.
#include "probe.h"

#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include "history_list.h"
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor kIdle = rgb(128, 255, 128);
const QColor kPick = rgb(192, 64, 0);
const QColor kPressed = rgb(255, 192, 128);
const QColor kComputerFirst = rgb(192, 0, 192);

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

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { window.reset(); }

    void everyTickMarksExactlyTheComputersChoice();
    void aRepeatedPickLeavesTheDisplayAsItWas();
    void disabledTimerFreezesThePick();
    void aTickRepaintsOnlyTheMarksThatChange();
    void newRepaintsTheMoveButtonsAndRestartsTheRound();
    void newDuringARoundLeavesTheTimerAlone();
    void clearKeepsTheRoundRunning();
    void computerFirstRecoloursAndResetsTheMatch();
    void backToPlayerFirstTakesItsColour();
    void arrowKeysChooseWhoPlaysFirstToo();
    void outOfRangeIndexesDoNothing();

    void playerFirstComputerAnswersWithTheBeatingMove_data();
    void playerFirstComputerAnswersWithTheBeatingMove();
    void computerFirstKeepsTheMarkedMove_data();
    void computerFirstKeepsTheMarkedMove();
    void secondClickAfterTheRoundRecordsNothing_data();
    void secondClickAfterTheRoundRecordsNothing();
    void twentyFiveRoundsStayInOrder();
    void everyRoundAddsTwoToTheScores();
    void typedScoresAreReadAsNumbers_data();
    void typedScoresAreReadAsNumbers();

private:
    QRadioButton* radio(int i)
    {
        return control<QRadioButton>(*window, QStringLiteral("Radio(%1)").arg(i));
    }
    QPushButton* buton(int i)
    {
        return control<QPushButton>(*window, QStringLiteral("Buton(%1)").arg(i));
    }
    QPushButton* nachalo(int i)
    {
        return control<QPushButton>(*window, QStringLiteral("Nachalo(%1)").arg(i));
    }
    QRadioButton* igrach(int i)
    {
        return control<QRadioButton>(*window, QStringLiteral("Igrach(%1)").arg(i));
    }
    QLineEdit* rezul(int i)
    {
        return control<QLineEdit>(*window, QStringLiteral("Rezul(%1)").arg(i));
    }
    ui::HistoryList* history() { return control<ui::HistoryList>(*window, "Rezultat"); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // Ticks at least once, then until the computer holds the move; the pick is
    // random but fair, so this ends quickly.
    void tickUntil(int move);
    void checkMarks();

    std::unique_ptr<Morveta> window;
};

void TestPlay::init() { window = openWindow(); }

void TestPlay::tickUntil(int move)
{
    window->Timer1_Timer();
    for (int i = 0; i < 10000 && game::toInt(window->computerChoice()) != move; ++i)
        window->Timer1_Timer();
    QCOMPARE(game::toInt(window->computerChoice()), move);
}

void TestPlay::checkMarks()
{
    const int picked = game::toInt(window->computerChoice());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(radio(i)->isChecked(), i == picked);
        QCOMPARE(ui::backColor(*radio(i)), i == picked ? kPick : kIdle);
    }
    QCOMPARE(pixelOf(*window, *radio(picked), QPoint(8, 1)), kPick);
}

void TestPlay::everyTickMarksExactlyTheComputersChoice()
{
    std::array<int, 3> seen{};
    for (int tick = 0; tick < 300; ++tick) {
        window->Timer1_Timer();
        ++seen[std::size_t(game::toInt(window->computerChoice()))];
        checkMarks();
    }
    for (int n : seen)
        QVERIFY(n > 50);
}

void TestPlay::aRepeatedPickLeavesTheDisplayAsItWas()
{
    int previous = -1;
    QImage before;
    for (int tick = 0; tick < 1000; ++tick) {
        window->Timer1_Timer();
        const int now = game::toInt(window->computerChoice());
        const QImage shown = screen(*window);
        if (now == previous) {
            QCOMPARE(shown, before);
            return;
        }
        previous = now;
        before = shown;
    }
    QFAIL("the pick never repeated");
}

void TestPlay::aTickRepaintsOnlyTheMarksThatChange()
{
    PaintRecorder recorder(*window);
    window->Timer1_Timer();
    QApplication::processEvents();
    int changes = 0;
    for (int tick = 0; tick < 60; ++tick) {
        const int before = game::toInt(window->computerChoice());
        recorder.painted.clear();
        window->Timer1_Timer();
        QApplication::processEvents();
        const int after = game::toInt(window->computerChoice());
        const QString newMark = QStringLiteral("Radio(%1)").arg(after);
        if (before != after) {
            QVERIFY(recorder.painted.contains(newMark));
            ++changes;
        }
        QSet<QString> others = recorder.painted;
        others.remove(QStringLiteral("Radio(%1)").arg(before));
        others.remove(newMark);
        QVERIFY2(others.isEmpty(), qPrintable(QStringList(others.values()).join(", ")));
    }
    QVERIFY(changes > 10);
}

void TestPlay::disabledTimerFreezesThePick()
{
    click(buton(1));
    QVERIFY(!window->timer().isActive());
    const game::MoveIndex held = window->computerChoice();
    QTest::qWait(350);
    QCOMPARE(window->computerChoice(), held);
    checkMarks();
}

void TestPlay::newRepaintsTheMoveButtonsAndRestartsTheRound()
{
    // Even with no round played.
    click(nachalo(0));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(pixelOf(*window, *buton(i), QPoint(3, 3)), kIdle);
    QVERIFY(window->timer().isActive());

    click(buton(2));
    QCOMPARE(pixelOf(*window, *buton(2), QPoint(3, 3)), kPressed);
    QCOMPARE(pixelOf(*window, *buton(0), QPoint(3, 3)), kIdle);
    QVERIFY(!window->timer().isActive());
    const QString player = rezul(0)->text();
    const QString computer = rezul(1)->text();

    click(nachalo(0));
    QVERIFY(window->timer().isActive());
    QCOMPARE(pixelOf(*window, *buton(2), QPoint(3, 3)), kIdle);
    QCOMPARE(history()->count(), 1);
    QCOMPARE(rezul(0)->text(), player);
    QCOMPARE(rezul(1)->text(), computer);
    // The pick moves again once the timer ticks.
    QTRY_VERIFY_WITH_TIMEOUT(
        window->computerChoice() != game::MoveIndex::Rock || radio(0)->isChecked(), 2000);
}

void TestPlay::newDuringARoundLeavesTheTimerAlone()
{
    QVERIFY(window->timer().isActive());
    QTest::qWait(60);
    const int remaining = window->timer().remainingTime();
    click(nachalo(0));
    QVERIFY(window->timer().isActive());
    QVERIFY2(window->timer().remainingTime() <= remaining,
             "clicking Нова in a running round restarted the timer");
}

void TestPlay::clearKeepsTheRoundRunning()
{
    click(buton(0));
    click(nachalo(0));
    click(buton(1));
    click(nachalo(0));
    QCOMPARE(history()->count(), 2);
    rezul(0)->setText("17");

    click(nachalo(1));
    QCOMPARE(history()->count(), 0);
    QCOMPARE(rezul(0)->text(), QStringLiteral("0"));
    QCOMPARE(rezul(1)->text(), QStringLiteral("0"));
    QVERIFY(window->timer().isActive());
    QCOMPARE(ui::backColor(*rezul(0)), kPressed);

    // The round goes on and its line is the first of the new match.
    click(buton(2));
    QCOMPARE(history()->count(), 1);
    QCOMPARE(history()->line(0), lineFor(1, 2));
    QCOMPARE(history()->currentRow(), 0);
    QCOMPARE(rezul(1)->text(), QStringLiteral("2"));
}

void TestPlay::computerFirstRecoloursAndResetsTheMatch()
{
    click(buton(0));
    rezul(0)->setText("9");
    click(nachalo(0));
    window->Timer1_Timer();
    const game::MoveIndex held = window->computerChoice();

    click(igrach(1));
    QCOMPARE(window->firstMover(), std::optional<std::int16_t>(1));
    QVERIFY(igrach(1)->isChecked() && !igrach(0)->isChecked());
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(rezul(i)->text(), QStringLiteral("0"));
        QCOMPARE(ui::backColor(*rezul(i)), kComputerFirst);
        QCOMPARE(pixelOf(*window, *rezul(i), QPoint(4, 4)), kComputerFirst);
    }
    QCOMPARE(history()->count(), 0);
    QVERIFY(window->timer().isActive());
    QCOMPARE(window->computerChoice(), held);
    checkMarks();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(pixelOf(*window, *buton(i), QPoint(3, 3)), kIdle);

    // Choosing the same option again starts a new match too.
    click(buton(0));
    QCOMPARE(history()->count(), 1);
    click(igrach(1));
    QCOMPARE(history()->count(), 0);
    QCOMPARE(rezul(0)->text(), QStringLiteral("0"));
}

void TestPlay::backToPlayerFirstTakesItsColour()
{
    click(igrach(1));
    click(igrach(0));
    QCOMPARE(window->firstMover(), std::optional<std::int16_t>(0));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(pixelOf(*window, *rezul(i), QPoint(4, 4)), kPressed);
}

void TestPlay::arrowKeysChooseWhoPlaysFirstToo()
{
    click(buton(0));
    igrach(0)->setFocus();
    QTest::keyClick(igrach(0), Qt::Key_Down);
    QVERIFY(igrach(1)->isChecked());
    QCOMPARE(window->firstMover(), std::optional<std::int16_t>(1));
    QCOMPARE(pixelOf(*window, *rezul(0), QPoint(4, 4)), kComputerFirst);
    QCOMPARE(history()->count(), 0);
    QTest::keyClick(igrach(1), Qt::Key_Up);
    QCOMPARE(window->firstMover(), std::optional<std::int16_t>(0));
    QCOMPARE(pixelOf(*window, *rezul(1), QPoint(4, 4)), kPressed);
}

void TestPlay::outOfRangeIndexesDoNothing()
{
    click(buton(0));
    const QImage before = screen(*window);
    for (int index : {-1, 2, 3, 32767, -32768}) {
        window->Nachalo_Click(index);
        window->Igrach_Click(index);
        if (index != 2)
            window->Buton_Click(index);
    }
    QCOMPARE(screen(*window), before);
    QCOMPARE(history()->count(), 1);
    QVERIFY(!window->timer().isActive());
}

void TestPlay::playerFirstComputerAnswersWithTheBeatingMove_data()
{
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("computer");
    QTest::newRow("rock meets paper") << 0 << 2;
    QTest::newRow("scissors meet rock") << 1 << 0;
    QTest::newRow("paper meets scissors") << 2 << 1;
}

void TestPlay::playerFirstComputerAnswersWithTheBeatingMove()
{
    QFETCH(int, player);
    QFETCH(int, computer);
    for (int shown = 0; shown < 3; ++shown) {
        tickUntil(shown);
        click(buton(player));
        QCOMPARE(game::toInt(window->computerChoice()), computer);
        checkMarks();
        QCOMPARE(history()->count(), shown + 1);
        QCOMPARE(history()->line(shown), lineFor(computer, player));
        QCOMPARE(history()->currentRow(), shown);
        QCOMPARE(pixelOf(*window, *history()->viewport(),
                         history()->rowRect(shown).center() + QPoint(240, 0)),
                 history()->palette().color(QPalette::Highlight));
        QCOMPARE(rezul(0)->text(), QStringLiteral("0"));
        QCOMPARE(rezul(1)->text(), QString::number(2 * (shown + 1)));
        QCOMPARE(pixelOf(*window, *buton(player), QPoint(3, 3)), kPressed);
        click(nachalo(0));
    }
}

void TestPlay::computerFirstKeepsTheMarkedMove_data()
{
    QTest::addColumn<int>("computer");
    QTest::addColumn<int>("player");
    QTest::addColumn<QString>("playerScore");
    QTest::addColumn<QString>("computerScore");
    QTest::newRow("rock v rock") << 0 << 0 << "1"
                                 << "1";
    QTest::newRow("rock v scissors") << 0 << 1 << "0"
                                     << "2";
    QTest::newRow("rock v paper") << 0 << 2 << "2"
                                  << "0";
    QTest::newRow("scissors v rock") << 1 << 0 << "2"
                                     << "0";
    QTest::newRow("scissors v scissors") << 1 << 1 << "1"
                                         << "1";
    QTest::newRow("scissors v paper") << 1 << 2 << "0"
                                      << "2";
    QTest::newRow("paper v rock") << 2 << 0 << "0"
                                  << "2";
    QTest::newRow("paper v scissors") << 2 << 1 << "2"
                                      << "0";
    QTest::newRow("paper v paper") << 2 << 2 << "1"
                                   << "1";
}

void TestPlay::computerFirstKeepsTheMarkedMove()
{
    QFETCH(int, computer);
    QFETCH(int, player);
    QFETCH(QString, playerScore);
    QFETCH(QString, computerScore);
    click(igrach(1));
    tickUntil(computer);
    click(buton(player));
    QCOMPARE(game::toInt(window->computerChoice()), computer);
    QCOMPARE(game::toInt(window->playerChoice()), player);
    checkMarks();
    QCOMPARE(history()->count(), 1);
    QCOMPARE(history()->line(0), lineFor(computer, player));
    QCOMPARE(rezul(0)->text(), playerScore);
    QCOMPARE(rezul(1)->text(), computerScore);
}

void TestPlay::secondClickAfterTheRoundRecordsNothing_data()
{
    QTest::addColumn<bool>("computerFirst");
    QTest::newRow("player first") << false;
    QTest::newRow("computer first") << true;
}

void TestPlay::secondClickAfterTheRoundRecordsNothing()
{
    QFETCH(bool, computerFirst);
    if (computerFirst)
        click(igrach(1));
    tickUntil(1);
    click(buton(0));
    const int afterRound = game::toInt(window->computerChoice());
    const QString player = rezul(0)->text();
    const QString computer = rezul(1)->text();
    for (int move : {1, 2, 0}) {
        click(buton(move));
        QCOMPARE(history()->count(), 1);
        QCOMPARE(rezul(0)->text(), player);
        QCOMPARE(rezul(1)->text(), computer);
        QCOMPARE(game::toInt(window->computerChoice()),
                 computerFirst ? afterRound : (move + 2) % 3);
        checkMarks();
        QCOMPARE(pixelOf(*window, *buton(0), QPoint(3, 3)), kPressed);
        QCOMPARE(pixelOf(*window, *buton(1), QPoint(3, 3)), kIdle);
        QCOMPARE(pixelOf(*window, *buton(2), QPoint(3, 3)), kIdle);
    }
    QCOMPARE(game::toInt(window->playerChoice()), 0);
}

void TestPlay::twentyFiveRoundsStayInOrder()
{
    click(igrach(1));
    QStringList expected;
    for (int round = 0; round < 25; ++round) {
        const int computer = round % 3;
        const int player = (round / 3) % 3;
        tickUntil(computer);
        click(buton(player));
        expected << lineFor(computer, player);
        click(nachalo(0));
    }
    QStringList lines;
    for (int i = 0; i < history()->count(); ++i)
        lines << history()->line(i);
    QCOMPARE(lines, expected);
    QCOMPARE(history()->currentRow(), 24);
    // The newest line is scrolled into view and drawn selected; the others are not.
    const QRect shown = history()->rowRect(24);
    QVERIFY(history()->viewport()->rect().contains(shown));
    const QColor highlight = history()->palette().color(QPalette::Highlight);
    QCOMPARE(pixelOf(*window, *history()->viewport(), shown.center() + QPoint(240, 0)), highlight);
    QVERIFY(pixelOf(*window, *history()->viewport(),
                    shown.center() + QPoint(240, -shown.height())) != highlight);
}

void TestPlay::everyRoundAddsTwoToTheScores()
{
    for (bool computerFirst : {false, true}) {
        click(igrach(computerFirst ? 1 : 0));
        double sum = 0;
        for (int round = 0; round < 30; ++round) {
            for (int i = 0; i < round % 4; ++i)
                window->Timer1_Timer();
            click(buton(round % 3));
            const double now = rezul(0)->text().toDouble() + rezul(1)->text().toDouble();
            QCOMPARE(now, sum + 2);
            sum = now;
            click(nachalo(0));
        }
    }
}

void TestPlay::typedScoresAreReadAsNumbers_data()
{
    // Computer rock, player paper: the player gains 2, the computer nothing.
    QTest::addColumn<QString>("typedPlayer");
    QTest::addColumn<QString>("typedComputer");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("computer");
    QTest::newRow("digits with a blank") << "1 2"
                                         << "4"
                                         << "14"
                                         << "4";
    QTest::newRow("number then a word") << "5 думи"
                                        << "7"
                                        << "7"
                                        << "7";
    QTest::newRow("emptied") << ""
                             << ""
                             << "2"
                             << "0";
    QTest::newRow("letters") << "abc"
                             << "xyz"
                             << "2"
                             << "0";
    QTest::newRow("negative") << "-3"
                              << "-3"
                              << "-1"
                              << "-3";
    QTest::newRow("exponent") << "1e3"
                              << "2E2"
                              << "1002"
                              << "200";
    QTest::newRow("leading point") << ".5"
                                   << "0.25"
                                   << "2.5"
                                   << "0.25";
    QTest::newRow("comma") << "1,5"
                           << "3,9"
                           << "3"
                           << "3";
    QTest::newRow("e without digits") << "12e"
                                      << "12e+"
                                      << "14"
                                      << "12";
    QTest::newRow("negative zero") << "-0"
                                   << "-0"
                                   << "2"
                                   << "0";
    QTest::newRow("beyond the range") << "1e400"
                                      << "-1e400"
                                      << "1.7976931348623157e+308"
                                      << "-1.7976931348623157e+308";
    QTest::newRow("400 digits") << QString(400, u'9') << QString(400, u'1')
                                << "1.7976931348623157e+308"
                                << "1.7976931348623157e+308";
    QTest::newRow("Cyrillic") << "пет"
                              << "седем"
                              << "2"
                              << "0";
    QTest::newRow("full-width digits") << "\uFF15"
                                       << "\uFF17"
                                       << "2"
                                       << "0";
    QTest::newRow("just below 1e15") << "999999999999997"
                                     << "0"
                                     << "999999999999999"
                                     << "0";
    QTest::newRow("crossing 1e15") << "999999999999999"
                                   << "0"
                                   << "1000000000000001"
                                   << "0";
}

void TestPlay::typedScoresAreReadAsNumbers()
{
    QFETCH(QString, typedPlayer);
    QFETCH(QString, typedComputer);
    QFETCH(QString, player);
    QFETCH(QString, computer);
    click(igrach(1));
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
    tickUntil(0);
    click(buton(2));
    QCOMPARE(rezul(0)->text(), player);
    QCOMPARE(rezul(1)->text(), computer);
}

QTEST_MAIN(TestPlay)
#include "test_play.moc"
