// bench/long-match for the Qt program: 50,000 rounds, the window painting
// after each thousand.
#include "game_window.h"
#include "long_match.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qtgui::MorvetaWindow window;
    window.show();
    QApplication::processEvents();
    bench::playLongMatch(window.handlers(), 50'000, [] { QApplication::processEvents(); });
    return 0;
}
