// bench/long-match for the Qt program: 50,000 rounds, the window painting
// after each thousand, and how much resident memory the history took
// against the bytes of its text (which depends on the allocator).
#include "game_window.h"
#include "history_list.h"
#include "long_match.h"
#include "resident.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qtgui::MorvetaWindow window;
    window.show();
    QApplication::processEvents();
    constexpr int kRounds = 50'000;
    const long long before = bench::residentBytes();
    bench::playLongMatch(window.handlers(), kRounds, [] { QApplication::processEvents(); });
    const auto* history = window.findChild<qtgui::HistoryList*>(QStringLiteral("Rezultat"));
    long long text = 0;
    for (int row = 0; history && row < history->count(); ++row)
        text += history->line(row).size() * static_cast<long long>(sizeof(QChar));
    if (before >= 0)
        std::printf("memory grew by %lld bytes for %lld bytes of history text\n",
                    bench::residentBytes() - before, text);
    return 0;
}
