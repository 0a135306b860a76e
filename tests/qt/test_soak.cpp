// A long match through the window's handlers: the history list keeps every
// line in order past 32,767 lines with the newest selected and in view, and
// "Изчисти" empties it. What a round costs and the memory the history takes
// as it grows are measured by bench/long-match.
#include "probe.h"

#include "history_list.h"

#include <QApplication>

#include <vector>

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void fortyThousandRounds();

private:
    struct Round {
        std::uint8_t computer, player;
    };
    // Plays one round as a user would, with "Нова" after it; returns its moves.
    Round play(int round);
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

void TestSoak::fortyThousandRounds()
{
    window = openWindow();
    history = control<qtgui::HistoryList>(*window, "Rezultat");
    window->handlers().Igrach_Click(1);
    std::vector<Round> rounds;
    for (int round = 0; round < 40'000; ++round) {
        rounds.push_back(play(round));
        if (rounds.size() % 1'000 == 0)
            QApplication::processEvents(); // lets the window paint, as it would in use
        if (rounds.size() == 32'768)
            QCOMPARE(history->currentRow(), 32'767);
    }
    checkHistory(rounds);
    window->handlers().Nachalo_Click(1);
    QCOMPARE(history->count(), 0);
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
