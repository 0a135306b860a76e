// A long match through the window's handlers: 50,000 rounds in both modes.
// The history keeps every line in order past 32,767 lines, the scores keep
// adding up, and memory grows by less than the history's text. What a round
// costs as the history grows is measured by bench/long-match.
#include "probe.h"

#include "history_list.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include <unistd.h>

#include <vector>

namespace {

// Resident memory in bytes, or -1 where /proc is not there.
qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void fiftyThousandRounds();

private:
    struct Round {
        std::uint8_t computer, player;
    };
    // Plays one round as a user would, with "Нова" after it; returns its moves.
    Round play(int round);
    void checkScores(int roundsSinceReset);
    void checkHistory(const std::vector<Round>& rounds);

    std::unique_ptr<MorvetaWindow> window;
    qtgui::HistoryList* history = nullptr;
};

TestSoak::Round TestSoak::play(int round)
{
    for (int tick = round % 3; tick >= 0; --tick)
        window->handlers().Timer1_Timer();
    const int player = (round / 3 + round) % 3;
    window->handlers().Buton_Click(player);
    const Round r{std::uint8_t(game::toInt(window->handlers().computerChoice())),
                  std::uint8_t(player)};
    window->handlers().Nachalo_Click(0);
    return r;
}

void TestSoak::checkScores(int roundsSinceReset)
{
    const double player = control<QLineEdit>(*window, "Rezul(0)")->text().toDouble();
    const double computer = control<QLineEdit>(*window, "Rezul(1)")->text().toDouble();
    QCOMPARE(player + computer, 2.0 * roundsSinceReset);
}

void TestSoak::checkHistory(const std::vector<Round>& rounds)
{
    QCOMPARE(history->count(), int(rounds.size()));
    for (std::size_t i = 0; i < rounds.size(); ++i) {
        const QString expected = lineFor(rounds[i].computer, rounds[i].player);
        if (history->line(int(i)) != expected)
            QFAIL(
                qPrintable(QStringLiteral("line %1 is \"%2\"").arg(i).arg(history->line(int(i)))));
    }
    const int last = int(rounds.size()) - 1;
    QCOMPARE(history->currentRow(), last);
    QVERIFY(history->viewport()->rect().contains(history->rowRect(last)));
}

void TestSoak::fiftyThousandRounds()
{
    window = openWindow();
    history = control<qtgui::HistoryList>(*window, "Rezultat");
    int round = 0;

    // Player first, with "Изчисти" now and then.
    std::vector<Round> sinceReset;
    for (; round < 10'000; ++round) {
        sinceReset.push_back(play(round));
        QCOMPARE(int(sinceReset.back().computer), (sinceReset.back().player + 2) % 3);
        if (round % 97 == 0)
            checkScores(int(sinceReset.size()));
        if (round % 2'500 == 2'499) {
            checkHistory(sinceReset);
            window->handlers().Nachalo_Click(1);
            sinceReset.clear();
            QCOMPARE(history->count(), 0);
        }
    }

    // Computer first, with no reset: the history goes well past 32,767 lines.
    window->handlers().Igrach_Click(1);
    sinceReset.clear();
    const qint64 memoryBefore = residentBytes();
    qint64 textBytes = 0;
    for (; round < 50'000; ++round) {
        sinceReset.push_back(play(round));
        textBytes += history->line(history->count() - 1).size() * qint64(sizeof(QChar));
        if (round % 97 == 0)
            checkScores(int(sinceReset.size()));
        if (sinceReset.size() % 1'000 == 0)
            QApplication::processEvents(); // lets the window paint, as it would in use
        if (sinceReset.size() == 32'768)
            QCOMPARE(history->currentRow(), 32'767);
    }
    checkScores(int(sinceReset.size()));
    checkHistory(sinceReset);
    QVERIFY(history->count() > 32'767);

#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer holds freed memory back: memory is not measured here");
#endif
    if (memoryBefore < 0)
        QSKIP("no /proc: memory is not measured here");
    const qint64 grown = residentBytes() - memoryBefore;
    qInfo("memory grew by %lld bytes for %lld bytes of history text", grown, textBytes);
    QVERIFY2(grown <= textBytes, "memory grew by more than the history's text");
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
