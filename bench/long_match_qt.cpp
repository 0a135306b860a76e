// bench/long-match for the Qt program: 50,000 rounds, the window painting
// after each thousand, and how much resident memory the history took
// against the bytes of its text (which depends on the allocator).
#include "game_window.h"
#include "history_list.h"
#include "long_match.h"

#include <QApplication>
#include <QFile>

#include <unistd.h>

#include <cstdio>

namespace {

// Resident memory in bytes, or -1 where /proc is not there.
long long residentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qtgui::MorvetaWindow window;
    window.show();
    QApplication::processEvents();
    constexpr int kRounds = 50'000;
    const long long before = residentBytes();
    bench::playLongMatch(window.handlers(), kRounds, [] { QApplication::processEvents(); });
    const auto* history = window.findChild<qtgui::HistoryList*>(QStringLiteral("Rezultat"));
    long long text = 0;
    for (int row = 0; history && row < history->count(); ++row)
        text += history->line(row).size() * static_cast<long long>(sizeof(QChar));
    if (before >= 0)
        std::printf("memory grew by %lld bytes for %lld bytes of history text\n",
                    residentBytes() - before, text);
    return 0;
}
